#include "drivereditorkeys.h"

#include "modalwatchdog.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "timelimit.h"

#include "client/controller/recordfinder.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

const QString DriverEditorUrl = QStringLiteral("qrc:/qml/driver/driver/DriverEditor.qml");

NoteEditor openAtNote(PageProgram &program, const QString &id)
{
    NoteEditor opened;
    for (bool last : {false, true}) {
        opened.editor = program.openPage(DriverEditorUrl, {{"state", "EDIT"}, {"id", id}});
        opened.lastName = pageControl(opened.editor, "last_name");
        opened.note = pageControl(opened.editor, "inner_note");
        if (!opened.lastName || !opened.note || !QTest::qWaitFor([&] {
                return opened.note->property("legalText").toString() == storedDriver(program, id, "inner_note");
            }, timeLimit(30000)))
            return {};
        opened.window = opened.note->window();
        opened.window->requestActivate();
        if (!QTest::qWaitForWindowActive(opened.window, timeLimit(5000)))
            return {};
        if (last)
            break;
        opened.lastName->forceActiveFocus(Qt::TabFocusReason);
        if (!QTest::qWaitFor([&] { return opened.lastName->hasActiveFocus(); }, timeLimit(5000)) || !program.closePage(opened.editor))
            return {};
    }
    if (!QTest::qWaitFor([&] { return opened.lastName->hasActiveFocus(); }, timeLimit(5000)))
        return {};
    opened.area = opened.note->property("textArea").value<QQuickItem *>();
    PageControls::scrollTo(opened.note);
    return opened;
}

bool saveWithReturn(PageProgram &program, const NoteEditor &opened, bool held)
{
    const int updates = program.sentCount("driver_trUpdate");
    if (held)
        program.proxy().holdAnswerTo("driver_trUpdate");
    QTest::keyClick(opened.window, Qt::Key_Return);
    if (!program.waitForSent("driver_trUpdate", updates + 1))
        return false;
    if (held) {
        if (!QTest::qWaitFor([&] { return opened.editor->property("isBusy").toBool(); }, timeLimit(10000)))
            return false;
        program.proxy().releaseHeld();
    }
    QObject *form = PageControls::formOf(opened.editor);
    return QTest::qWaitFor([&] {
        return !form->property("isBusy").toBool() && !opened.editor->property("isDirty").toBool();
    }, timeLimit(10000));
}

QString storedDriver(PageProgram &program, const QString &id, const QString &column)
{
    return program.query(QStringLiteral("SELECT %1 FROM drivers WHERE id = ?").arg(column), {id}).toString();
}

void pushDriverChange(PageProgram &program, const QString &id, const QString &author, const QString &sign)
{
    // A change the editor sends, stored as a save stores it, so that a read finds it.
    const QString storedAt = program.query("UPDATE drivers SET system_note = 'changed ' || (dt_utc_last_update + 1),"
                                           " dt_utc_last_update = dt_utc_last_update + 1 WHERE id = ?"
                                           " RETURNING dt_utc_last_update", {id}).toString();
    program.push({{"FN", "driver_srUpdated"}, {"RECEIVER", "ALL"}, {"id", id}, {"id_owner_modify", author}, {"sign", sign},
                  {"dt_utc_last_update", storedAt}});
}

QMessageBox *shownQuestion(ModalWatchdog &watchdog)
{
    if (!QTest::qWaitFor([&] { return watchdog.leftOpen(); }, timeLimit(5000))
        || !QTest::qWaitForWindowActive(watchdog.leftOpen(), timeLimit(5000)))
        return nullptr;
    return watchdog.leftOpen();
}

bool answersLanded()
{
    Client::Controller::RecordFinder probe(QStringLiteral("city"));
    QSignalSpy found(&probe, &Client::Controller::RecordFinder::found);
    probe.find({{"id", "-1"}});
    return found.wait(timeLimit(10000)) || !found.isEmpty();
}

QString textOf(QObject *field)
{
    return field->property("text").toString();
}

void keyClickClosing(QWindow *window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QPointer<QWindow> guard(window);
    QTest::keyPress(window, key, modifiers);
    if (guard)
        QTest::keyRelease(window, key, modifiers);
}

void type(QWindow *window, const QByteArray &letters)
{
    for (char letter : letters)
        QTest::keyClick(window, letter);
}

void press(QWindow *window, const QKeySequence &key)
{
    QTest::keyClick(window, Qt::Key(key[0] & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(key[0] & Qt::KeyboardModifierMask));
}

bool activate(QWindow *window)
{
    window->requestActivate();
    // A window counts as active while a window it is transient for is: the focus window tells.
    return QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window; }, timeLimit(5000));
}

QPoint charPoint(QQuickItem *area, int position)
{
    QRectF rect;
    QMetaObject::invokeMethod(area, "positionToRectangle", Q_RETURN_ARG(QRectF, rect), Q_ARG(int, position));
    return area->mapToScene(rect.center() + QPointF(2, 0)).toPoint();
}

int positionAt(QQuickItem *area, QPoint point)
{
    int position = -1;
    const QPointF at = area->mapFromScene(point);
    QMetaObject::invokeMethod(area, "positionAt", Q_RETURN_ARG(int, position), Q_ARG(qreal, at.x()), Q_ARG(qreal, at.y()));
    return position;
}
