// An operator's day in a real window (Xvfb): the program as scripts/run.sh starts it, signed in
// through its dialog to the stand-in over PostgreSQL; every page entry opened with the mouse
// through the menu bar or the tool bar, its list awaited, its drawn cells read back and the page
// photographed, a period shown on the operator's day (in an editor's tabs too, each shown with a
// click), each editor that can save changing one field that PostgreSQL then holds, every
// report run and its workbook read with openpyxl; and the faults an operator meets: a record
// locked by a colleague, rights withdrawn while a page is open, the server gone and back while an
// editor holds unsaved changes, a report asked while the server is gone. Any QML warning or
// unexpected dialog fails it.
#include "dayend.h"
#include "drawncells.h"
#include "journeyrows.h"
#include "journeysteps.h"
#include "oneday.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "secondclient.h"
#include "windowdriver.h"

#include "shell/menucommands.h"
#include "dialog/controllerchangepassword.h"
#include "startup/startup.h"

#include "client/utils/desktoputils.h"
#include "gui/core/context.h"
#include "gui/report/abstractreport.h"
#include "gui/dialog/login.h"
#include "gui/frame/frames.h"
#include "gui/shell/global.h"
#include "gui/widget/hostlabel.h"
#include "model/base/security/usergroupsecurityoption.h"
#include "model/orlem/sms/sms.h"
#include "timelimit.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(JourneyRow)

namespace {

const QString SecondPassword = QStringLiteral("second shift");


// The top-level window a page shows in: the main window for a tab, its own window otherwise.
QWindow *topWindowOf(QObject *page)
{
    auto *item = qobject_cast<QQuickItem *>(page);
    QWindow *window = item ? item->window() : qobject_cast<QWindow *>(page->property("window").value<QObject *>());
    if (!window)
        window = Gui::Context::mainWindow()->windowHandle();
    while (window && window->parent())
        window = window->parent();
    return window;
}

bool saveScreenshot(QWindow *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("KORIV_SCREENSHOT_DIR");
    if (folder.isEmpty() || !window)
        return false;
    QDir().mkpath(folder);
    QTest::qWait(timeLimit(250));
    const QRect frame = window->frameGeometry();
    const QImage shot = window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
    return !shot.isNull() && shot.save(folder + QLatin1Char('/') + name);
}

// Reddish and greenish pixels of a widget as the screen shows it.
int countShown(QWidget *widget, Qt::GlobalColor colour)
{
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    const QImage image =
        widget->screen()->grabWindow(0, origin.x(), origin.y(), widget->width(), widget->height()).toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool red = c.red() > 160 && c.green() < 90 && c.blue() < 90;
            const bool green = c.green() > 160 && c.red() < 90 && c.blue() < 90;
            count += (colour == Qt::red ? red : green) ? 1 : 0;
        }
    }
    return count;
}

// The answer of the stand-in to a sign-in over a connection of the stand-in's own test client.
QString signInAnswer(int port, const QString &sign, const QString &password)
{
    QProcess python;
    python.setWorkingDirectory(qEnvironmentVariable("KORIV_SOURCE_DIR") + "/tools/standin-server");
    python.start("/usr/bin/python3",
                 {"-B", "-c",
                  "import sys\nfrom testclient import Client\n"
                  "answer = Client(int(sys.argv[1])).sign_in(sys.argv[2], sys.argv[3])\n"
                  "print(answer.get('FN'), answer.get('RES'))",
                  QString::number(port), sign, password});
    if (!python.waitForFinished(timeLimit(30000)))
        return QStringLiteral("no answer");
    return QString::fromUtf8(python.readAllStandardOutput()).trimmed() + QString::fromUtf8(python.readAllStandardError());
}

// Scrolls the flickable that holds the item until the item stays in its sight, as the wheel does.
bool scrollIntoView(QQuickItem *item)
{
    for (QQuickItem *view = item->parentItem(); view; view = view->parentItem()) {
        if (!view->property("contentY").isValid() || !view->property("contentHeight").isValid())
            continue;
        // Again until it holds: an item just shown grows the content only at the next layout.
        QRectF last;
        return QTest::qWaitFor([item, view, &last] {
            QQuickItem *content = view->property("contentItem").value<QQuickItem *>();
            const qreal y = content ? item->mapToItem(content, QPointF(0, 0)).y() : 0;
            const qreal room = view->property("contentHeight").toReal() - view->height();
            view->setProperty("contentY", qBound<qreal>(0, y - view->height() / 2, qMax<qreal>(0, room)));
            const QRectF inView = item->mapRectToItem(view, QRectF(0, 0, item->width(), item->height()));
            const bool stays = inView == last;
            last = inView;
            return stays && inView.top() >= 0 && inView.bottom() <= view->height();
        }, timeLimit(5000));
    }
    return true;
}

// Clicks a button of a form that scrolls: a layout that comes late (the form refilled by its
// record's push) can move the button out of sight between the aim and the click, which is then
// given again.
QString clickInForm(QQuickItem *button)
{
    QSignalSpy clicked(button, SIGNAL(clicked()));
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!scrollIntoView(button))
            return QStringLiteral("the form does not keep the button in sight");
        const QString failure = WindowDriver::clickItem(button);
        if (!failure.isEmpty())
            return failure;
        if (QTest::qWaitFor([&clicked] { return !clicked.isEmpty(); }, timeLimit(500)))
            return QString();
    }
    return QStringLiteral("the button took no click; it is at %1 of a window of %2 px")
        .arg(button->mapToScene(QPointF(0, 0)).y()).arg(button->window()->height());
}

} // namespace

class TestJourney : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void everyEntryHasARow();
    void pages_data();
    void pages();
    void reports();
    void fieldRefusals_data();
    void fieldRefusals();
    void lastCarStays();
    void newColleaguePassword();
    void lockedByColleague();
    void rightsWithdrawn();
    void serverGoneAndBack();
    void reportWhileServerGone();

private:
    QMainWindow *mainWindow() const { return m_steps.mainWindow(); }
    // Opens an entry (again, once the page opened before is closed) to its list or record shown
    // and its cells drawn as the values read: pages() runs it on one day, as a time of today's
    // drawn before the day ends reads otherwise after it. What stood in the way.
    QString showPage(const JourneyRow &row, QPointer<QObject> *page);
    // A report frame opened, its inputs chosen (the owner chooser's cells drawn as read), run,
    // its workbooks read and closed; on one day too.
    QString writeReport(const QString &command);
    // Opens an entry with the mouse; the new frame once it is listed, or null.
    QObject *open(const JourneyRow &row);
    // Makes the record current and opens its editor with the table's Edit button.
    QObject *openRecord(QObject *table, const QString &id);
    void setAdminRight(const QString &code, const QString &value);
    QString rightId(const QString &code);

    // Made first and gone last: see SecondClient.
    SecondClient m_other;
    PageProgram m_program;
    JourneySteps m_steps{m_program};
};

void TestJourney::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    m_steps.setCheckDrawnCells(true);
    // As an operator signs in: the password typed into the dialog, OK clicked.
    m_program.setSignIn([](Gui::Dialog::Login *dialog, const QString &password) {
        QCOMPARE(JourneySteps::signIn(dialog, password), QString());
    });
    // The seed holds rows of today's.
    m_program.setBeforeSignIn([](const QProcessEnvironment &) {
        DayEnd::noteSeed();
        return QString();
    });
    const QString failure =
        m_program.start("journey", {"second:" + passwordDigest(SecondPassword)}, journeySeed() + longListSeed());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(m_other.signIn(m_program.server().port(), "second", SecondPassword));
    QVERIFY(mainWindow());
    mainWindow()->setGeometry(20, 20, 1400, 860);
    mainWindow()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow(), timeLimit(5000)));
}

void TestJourney::cleanupTestCase()
{
    // Where a planned day's end fell: between the first row of today's and the last check of it.
    const QString fault = DayEnd::straddleFault();
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestJourney::cleanup()
{
    // What a failed step left open goes, so that the next opens its own.
    m_steps.closeAllFrames();
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void TestJourney::everyEntryHasARow()
{
    // A command added to the menu without a row here would go untested.
    QStringList rows;
    for (const JourneyRow &row : journeyRows())
        rows.append(row.command);
    // The report commands open widget frames: reports() goes through them.
    for (const MenuCommand &command : menuCommands()) {
        if (command.text && command.url)
            QVERIFY2(rows.contains(QString::fromLatin1(command.objectName)), command.objectName);
    }
    for (const JourneyRow &row : journeyRows()) {
        if (!row.editorUrl.isEmpty() && row.readOnlyRecordSql.isEmpty())
            QVERIFY2(savableEditor(row.editorUrl), qPrintable(row.editorUrl));
    }
}

QObject *TestJourney::open(const JourneyRow &row)
{
    QPointer<QObject> page;
    const QString failure = m_steps.open(row, &page);
    if (!failure.isEmpty())
        qWarning().noquote() << failure;
    return page;
}

QObject *TestJourney::openRecord(QObject *table, const QString &id)
{
    QPointer<QObject> editor;
    const QString failure = m_steps.openRecord(table, id, &editor);
    if (!failure.isEmpty()) {
        qWarning().noquote() << failure;
        return nullptr;
    }
    return editor;
}

void TestJourney::pages_data()
{
    QTest::addColumn<JourneyRow>("row");
    for (const JourneyRow &row : journeyRows())
        QTest::newRow(qPrintable(row.command)) << row;
}

void TestJourney::pages()
{
    QFETCH(JourneyRow, row);
    if (!QFile::exists(":" + row.url.mid(4)))
        QSKIP(qPrintable(row.url + " is not carried yet"));
    QPointer<QObject> page;
    QString failure;
    onOneDay([this] { return m_program.operatorsDate(); }, [&] { return showPage(row, &page); }, &failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(page->property("url").toString(), row.url);
    QVERIFY(saveScreenshot(topWindowOf(page), "journey-" + row.command + ".png"));

    if (!row.editorUrl.isEmpty()) {
        const QString id = m_steps.recordId(row);
        QPointer<QObject> editor = page;
        if (!row.isEditorPage()) {
            QCOMPARE(m_steps.openRecord(page, id, &editor), QString());
            QVERIFY(saveScreenshot(topWindowOf(editor), "journey-" + row.command + "-editor.png"));
        }
        QCOMPARE(editor->property("url").toString(), row.editorUrl);
        QCOMPARE(m_steps.checkPeriodTabs(editor), QString());
        if (!savableEditor(row.editorUrl)) {
            // A read-only editor only opens and closes.
            QCOMPARE(m_steps.closeEditor(editor), QString());
        } else {
            QCOMPARE(m_steps.changeField(editor, row), QString());
            QCOMPARE(m_steps.save(editor), QString());
            QCOMPARE(m_steps.checkStored(row, id), QString());
        }
    }
    if (!row.newField.isEmpty()) {
        QCOMPARE(m_steps.typeNew(page, row), QString());
        QCOMPARE(m_steps.save(page), QString());
        QCOMPARE(m_steps.checkNew(row), QString());
    }
    if (page)
        QVERIFY(m_program.closePage(page));
}

QString TestJourney::showPage(const JourneyRow &row, QPointer<QObject> *page)
{
    if (*page && !m_program.closePage(*page))
        return QStringLiteral("the page opened before did not close");
    QString failure = m_steps.open(row, page);
    if (failure.isEmpty())
        failure = m_steps.waitShown(*page, row);
    // The record its editor opens, made today, is listed in the period shown.
    if (failure.isEmpty())
        failure = m_steps.keepRecordShown(*page, row);
    // Every cell in sight draws its value, the long lists' too.
    if (failure.isEmpty() && !row.isEditorPage())
        failure = DrawnCells::pageFaults(*page, false).join('\n');
    return failure;
}

void TestJourney::reports()
{
    QTemporaryDir folder;
    Gui::Context::desktopUtils()->setExportDir(folder.path());
    const QStringList commands = reportCommands();
    if (commands.isEmpty())
        QSKIP("the Report menu has no commands yet");
    for (const QString &name : commands) {
        QString failure;
        onOneDay([this] { return m_program.operatorsDate(); }, [&] { return writeReport(name); }, &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(name + ": " + failure));
    }
}

QString TestJourney::writeReport(const QString &command)
{
    QPointer<Gui::Report::AbstractReport> frame;
    QString failure = m_steps.openReport(command, &frame);
    if (failure.isEmpty() && !saveScreenshot(frame->window()->windowHandle(), "journey-" + command + ".png"))
        failure = QStringLiteral("the frame could not be photographed");
    if (failure.isEmpty())
        failure = m_steps.writeReport(frame);
    // Whatever a failed step left open goes with the frame.
    if (!failure.isEmpty())
        m_steps.closeAllFrames();
    else if (frame)
        frame->close();
    if (!QTest::qWaitFor([&] { return !Gui::Global::currentFrames()->list().contains(frame.data()); }, timeLimit(5000)))
        return failure.isEmpty() ? QStringLiteral("the frame stayed open") : failure;
    return failure;
}

void TestJourney::fieldRefusals_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("recordSql"); // the record edited; empty: a new one through Add
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed"); // typed over the field; empty: the field is cleared
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("storedSql"); // counts what must not be stored
    QTest::newRow("driver") << "drivers" << "SELECT id FROM drivers WHERE sign = 'pg-330'" << "sign" << ""
                            << "UPDATE: Sign is empty (code: 250, controller: driver"
                            << "SELECT count(*) FROM drivers WHERE sign = ''";
    QTest::newRow("city") << "cities" << "" << "name" << "Odesa"
                          << "ADD: Untitled error for controller city (code: 500"
                          << "SELECT count(*) FROM cities WHERE name = 'Odesa'";
    QTest::newRow("user") << "users" << "SELECT id FROM users WHERE first_name = 'Halyna'" << "first_name" << ""
                          << "UPDATE: Untitled error for controller user (code: 500"
                          << "SELECT count(*) FROM users WHERE first_name = 'Halyna'";
    QTest::newRow("user group") << "userGroups" << "SELECT id FROM user_groups WHERE code = 'admin' ORDER BY id LIMIT 1"
                                << "name" << "Bosses" << "UPDATE: Untitled error for controller ug (code: 200"
                                << "SELECT count(*) FROM user_groups WHERE name = 'Bosses'";
    QTest::newRow("sms") << "smsControl" << "SELECT min(id) FROM sms WHERE id > 1" << "name" << ""
                         << "UPDATE: Untitled error for controller sms (code: 210"
                         << "SELECT count(*) FROM sms WHERE coalesce(name, '') = ''";
    // New records whose required field is left empty.
    QTest::newRow("city without name") << "cities" << "" << "name" << ""
                                       << "ADD: Untitled error for controller city (code: 210"
                                       << "SELECT count(*) FROM cities WHERE id > 1 AND coalesce(name, '') = ''";
    QTest::newRow("new user without sign") << "users" << "" << "sign" << ""
                                           << "ADD: Sign is empty (code: 250, controller: user"
                                           << "SELECT count(*) FROM users WHERE id > 1 AND coalesce(sign, '') = ''";
    QTest::newRow("new user group without name")
        << "userGroups" << "" << "name" << "" << "ADD: Name of group is empty (code: 700, controller: ug"
        << "SELECT count(*) FROM user_groups WHERE id > 1 AND coalesce(name, '') = ''";
}

void TestJourney::fieldRefusals()
{
    // A value the server refuses: the page says why and puts the cursor into the field.
    QFETCH(QString, command);
    QFETCH(QString, recordSql);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, storedSql);
    const JourneyRow *row = nullptr;
    for (const JourneyRow &candidate : journeyRows())
        row = candidate.command == command ? &candidate : row;
    QVERIFY(row);
    QPointer<QObject> table = open(*row);
    QVERIFY(table);
    QCOMPARE(m_steps.waitShown(table, *row), QString());
    QPointer<QObject> editor;
    if (recordSql.isEmpty()) {
        const int before = Gui::Global::currentFrames()->list().size();
        QCOMPARE(WindowDriver::clickItem(pageControl(table, "addButton")), QString());
        QTRY_VERIFY(Gui::Global::currentFrames()->list().size() > before);
        editor = Gui::Global::currentFrames()->list().last();
    } else {
        editor = openRecord(table, m_program.query(recordSql).toString());
    }
    QVERIFY(editor);
    QTRY_VERIFY_WITH_TIMEOUT(JourneySteps::editorIdle(editor), timeLimit(10000));
    QQuickItem *input = pageControl(editor, field);
    QVERIFY(input);
    if (typed.isEmpty()) {
        QCOMPARE(WindowDriver::focusItem(input), QString());
        QTest::keyClick(input->window(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(input->window(), Qt::Key_Delete);
        QCOMPARE(input->property("text").toString(), QString());
    } else {
        QCOMPARE(WindowDriver::typeInto(input, typed), QString());
    }
    const int stored = m_program.query(storedSql).toInt();

    m_program.watchdog().reset();
    QCOMPARE(WindowDriver::clickItem(pageControl(editor, "okButton")), QString());
    QTRY_VERIFY_WITH_TIMEOUT(!m_program.watchdog().boxes().isEmpty(), timeLimit(10000));
    const QString said = m_program.watchdog().texts().join('\n');
    QVERIFY2(said.startsWith(text), qPrintable(said));
    QVERIFY2(said.contains("Exception Description: "), qPrintable(said));
    QTRY_VERIFY(input->hasActiveFocus());
    QVERIFY(saveScreenshot(topWindowOf(editor),
                           "journey-refusal-" + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-') + ".png"));
    m_program.watchdog().reset();
    QVERIFY(editor);
    QCOMPARE(m_program.query(storedSql).toInt(), stored);
    // An editor holding a change asks whether to save it: it is dropped.
    if (editor->property("isDirty").toBool())
        m_program.watchdog().answerNext(QMessageBox::Discard);
    QVERIFY(m_program.closePage(editor));
    m_program.watchdog().reset();
}

void TestJourney::lastCarStays()
{
    // A driver's only car is not removed: the car table says why and keeps the row.
    const JourneyRow *cars = nullptr;
    for (const JourneyRow &candidate : journeyRows())
        cars = candidate.command == QLatin1String("cars") ? &candidate : cars;
    QVERIFY(cars);
    // Found by its uuid: the journey's car editor changes its number.
    const QString car = m_program.query("SELECT id FROM cars WHERE uuid = md5('AA 1234')").toString();
    QCOMPARE(m_program.query("SELECT count(*) FROM cars WHERE rst_id_driver = (SELECT rst_id_driver FROM cars"
                             " WHERE id = ?)", {car}).toInt(), 1);
    QPointer<QObject> table = open(*cars);
    QVERIFY(table);
    QCOMPARE(m_steps.waitShown(table, *cars), QString());
    QTRY_VERIFY(PageControls::shownRow(table, car) >= 0);
    QPoint at;
    QVERIFY(JourneySteps::clickRow(table, PageControls::shownRow(table, car), &at));

    m_program.watchdog().reset();
    m_program.watchdog().answerNext(QMessageBox::Yes);
    QCOMPARE(WindowDriver::clickItem(pageControl(table, "removeButton")), QString());
    QTRY_VERIFY_WITH_TIMEOUT(m_program.watchdog().texts().size() == 2, timeLimit(10000));
    const QString said = m_program.watchdog().texts().last();
    QVERIFY2(said.startsWith("REMOVE: Can't remove last car (code: 200, controller: car"), qPrintable(said));
    QVERIFY2(said.contains("Exception Description: "), qPrintable(said));
    m_program.watchdog().reset();
    QVERIFY(PageControls::shownRow(table, car) >= 0);
    QCOMPARE(m_program.query("SELECT count(*) FROM cars WHERE id = ?", {car}).toInt(), 1);
    QVERIFY(m_program.closePage(table));
}

void TestJourney::newColleaguePassword()
{
    // A colleague made in the program, who has no password yet, is given one and signs in with it.
    const JourneyRow *users = nullptr;
    for (const JourneyRow &candidate : journeyRows())
        users = candidate.command == QLatin1String("users") ? &candidate : users;
    QVERIFY(users);
    QPointer<QObject> table = open(*users);
    QVERIFY(table);
    QCOMPARE(m_steps.waitShown(table, *users), QString());
    int frames = Gui::Global::currentFrames()->list().size();
    QCOMPARE(WindowDriver::clickItem(pageControl(table, "addButton")), QString());
    QTRY_VERIFY(Gui::Global::currentFrames()->list().size() > frames);
    QPointer<QObject> editor = Gui::Global::currentFrames()->list().last();
    QTRY_VERIFY_WITH_TIMEOUT(JourneySteps::editorIdle(editor), timeLimit(10000));
    QCOMPARE(WindowDriver::typeInto(pageControl(editor, "sign"), "newcomer"), QString());
    QCOMPARE(WindowDriver::typeInto(pageControl(editor, "last_name"), "Koval"), QString());
    QCOMPARE(WindowDriver::typeInto(pageControl(editor, "first_name"), "Nina"), QString());

    // The group through its chooser (Ctrl+1), the administrators' row clicked and selected.
    const QString group = m_program.query("SELECT id FROM user_groups WHERE code = 'admin' ORDER BY id LIMIT 1").toString();
    frames = Gui::Global::currentFrames()->list().size();
    QTest::keyClick(pageControl(editor, "sign")->window(), Qt::Key_1, Qt::ControlModifier);
    QTRY_VERIFY(Gui::Global::currentFrames()->list().size() > frames);
    QPointer<QObject> chooser = Gui::Global::currentFrames()->list().last();
    QTRY_VERIFY_WITH_TIMEOUT(JourneySteps::tableIdle(chooser) && PageControls::shownRow(chooser, group) >= 0, timeLimit(10000));
    QPoint at;
    QVERIFY(JourneySteps::clickRow(chooser, PageControls::shownRow(chooser, group), &at));
    QCOMPARE(WindowDriver::clickItem(pageControl(chooser, "selectButton")), QString());
    QTRY_VERIFY(chooser.isNull());

    QCOMPARE(WindowDriver::clickItem(pageControl(editor, "applyButton")), QString());
    QTRY_VERIFY_WITH_TIMEOUT(editor->property("state").toString() == QLatin1String("EDIT"), timeLimit(10000));
    // The new record is locked next: a click while the editor waits for that is not taken.
    QTRY_VERIFY_WITH_TIMEOUT(JourneySteps::editorIdle(editor), timeLimit(10000));
    const QString id = m_program.query("SELECT id FROM users WHERE sign = 'newcomer'").toString();
    QVERIFY(!id.isEmpty());
    QCOMPARE(m_program.query("SELECT rst_id_group FROM users WHERE id = ?", {id}).toString(), group);

    QQuickItem *button = pageControl(editor, "changePasswordButton");
    QTRY_VERIFY(button->isVisible());
    QCOMPARE(clickInForm(button), QString());
    QPointer<ControllerChangePassword> dialog;
    QTRY_VERIFY2([&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<ControllerChangePassword *>(window))
                dialog = found;
        }
        return !dialog.isNull() && dialog->isVisible();
    }(), qPrintable(m_program.watchdog().texts().join('\n') + m_program.watchdog().problems()));
    // The old password is left empty: the colleague has none.
    QVERIFY(dialog->oldPasswordEdit()->isVisible());
    for (QLineEdit *edit : {dialog->newPasswordEdit(), dialog->confirmEdit()}) {
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, "first day");
    }
    m_program.watchdog().reset();
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), timeLimit(10000));
    QCOMPARE(m_program.watchdog().texts(), QStringList{"Password successfully changed"});
    m_program.watchdog().reset();

    // A client of its own signs in as the colleague (a second SecondClient would take over the
    // program's network).
    QCOMPARE(signInAnswer(m_program.server().port(), "newcomer", "first day"), QString("auth_saAuth 10"));
    QCOMPARE(signInAnswer(m_program.server().port(), "newcomer", ""), QString("auth_saFailed 10"));
    QVERIFY(m_program.closePage(editor));
}

void TestJourney::setAdminRight(const QString &code, const QString &value)
{
    m_program.query("UPDATE user_group_security_options SET option_value = ? WHERE rst_id_so = "
                    "(SELECT id FROM security_options WHERE code = ?) AND rst_id_group = "
                    "(SELECT id FROM user_groups WHERE code = 'admin' ORDER BY id LIMIT 1)",
                    {value, code});
}

QString TestJourney::rightId(const QString &code)
{
    return m_program
        .query("SELECT g.id FROM user_group_security_options g JOIN security_options so ON so.id = g.rst_id_so"
               " WHERE so.code = ? AND g.rst_id_group = (SELECT id FROM user_groups WHERE code = 'admin'"
               " ORDER BY id LIMIT 1)",
               {code})
        .toString();
}

const JourneyRow &smsRow()
{
    for (const JourneyRow &row : journeyRows()) {
        if (row.command == QLatin1String("smsControl"))
            return row;
    }
    Q_UNREACHABLE();
}

void TestJourney::lockedByColleague()
{
    const QString id =
        m_program.query("INSERT INTO sms (name, code, value) VALUES ('Held', 'held', 'x') RETURNING id").toString();
    m_other.watch<Model::Orlem::Sms>("sms");
    QCOMPARE(m_other.request("trLock", {{"id", id}}).value("RES").toString(), QString("10"));
    // Withdrawn on the server and in the program, which then has nothing to ask.
    setAdminRight("sms.crud.update_locked_record", "0");
    const auto withheld = m_program.withholdRight("sms", "update_locked_record");

    QPointer<QObject> table = open(smsRow());
    QVERIFY(table);
    QTRY_VERIFY_WITH_TIMEOUT(JourneySteps::tableIdle(table), timeLimit(10000));
    // The table names the colleague holding the lock.
    const QString second = m_program.query("SELECT id FROM users WHERE sign = 'second'").toString();
    QTRY_COMPARE(PageControls::shownValue(table, id, "rst_id_user_locked"), second);

    m_program.watchdog().reset();
    QPointer<QObject> editor = openRecord(table, id);
    QVERIFY(editor);
    QTRY_VERIFY(m_program.watchdog().texts().join('\n').startsWith("LOCK: "));
    m_program.watchdog().reset();
    QCOMPARE(WindowDriver::typeInto(pageControl(editor, "name"), "Taken over"), QString());
    QCOMPARE(WindowDriver::clickItem(pageControl(editor, "okButton")), QString());
    QTRY_VERIFY(!m_program.watchdog().boxes().isEmpty());
    QVERIFY2(m_program.watchdog().texts().first().startsWith("UPDATE: Record locked by other user"),
             qPrintable(m_program.watchdog().texts().join('\n')));
    m_program.watchdog().reset();
    QVERIFY(editor);
    QCOMPARE(pageControl(editor, "name")->property("text").toString(), QString("Taken over"));
    QCOMPARE(m_program.query("SELECT name FROM sms WHERE id = ?", {id}).toString(), QString("Held"));

    setAdminRight("sms.crud.update_locked_record", "1");
    QCOMPARE(m_other.request("trUnlock", {{"id", id}}).value("RES").toString(), QString("10"));
    pageControl(editor, "name")->setProperty("text", "Held");
    QVERIFY(m_program.closePage(editor));
    QVERIFY(m_program.closePage(table));
}

void TestJourney::rightsWithdrawn()
{
    const QString id =
        m_program.query("INSERT INTO sms (name, code, value) VALUES ('Kept', 'kept', 'x') RETURNING id").toString();
    QPointer<QObject> table = open(smsRow());
    QVERIFY(table);
    QTRY_VERIFY_WITH_TIMEOUT(JourneySteps::tableIdle(table), timeLimit(10000));
    QQuickItem *edit = JourneySteps::itemOfType(table, "ToolButtonEdit");
    QVERIFY(edit);
    QCOMPARE(edit->property("name").toString(), QString("Edit"));
    QPointer<QObject> editor = openRecord(table, id);
    QVERIFY(editor);

    // A colleague withdraws the update right of the operator's group: the server pushes the change.
    m_other.watch<Model::Base::UserGroupSecurityOption>("ugso");
    const QString right = rightId("sms.crud.update");
    QVERIFY(!right.isEmpty());
    QCOMPARE(m_other.request("trLock", {{"id", right}}).value("RES").toString(), QString("10"));
    const QVariantMap withdrawn = m_other.request("trUpdate", {{"id", right}, {"option_value", "0"}});
    QVERIFY2(withdrawn.value("RES").toString() == "10", qPrintable(withdrawn.value("ERRCODE").toString()));
    QTRY_COMPARE_WITH_TIMEOUT(edit->property("name").toString(), QString("View"), timeLimit(10000));

    // A save forced past the page is refused by the server and said so; nothing is stored.
    m_program.watchdog().reset();
    QObject *controller = PageControls::formOf(editor)->property("controller").value<QObject *>();
    QVERIFY(controller);
    QMetaObject::invokeMethod(controller, "trUpdate", Q_ARG(QVariantMap, (QVariantMap{{"id", id}, {"name", "Forced"}})));
    QTRY_VERIFY_WITH_TIMEOUT(!m_program.watchdog().boxes().isEmpty(), timeLimit(10000));
    QVERIFY2(m_program.watchdog().texts().join('\n').contains("You don't have enough access privileges"),
             qPrintable(m_program.watchdog().texts().join('\n')));
    m_program.watchdog().reset();
    QCOMPARE(m_program.query("SELECT name FROM sms WHERE id = ?", {id}).toString(), QString("Kept"));

    QCOMPARE(m_other.request("trUpdate", {{"id", right}, {"option_value", "1"}}).value("RES").toString(),
             QString("10"));
    QCOMPARE(m_other.request("trUnlock", {{"id", right}}).value("RES").toString(), QString("10"));
    QTRY_COMPARE_WITH_TIMEOUT(edit->property("name").toString(), QString("Edit"), timeLimit(10000));
    QVERIFY(m_program.closePage(editor));
    QVERIFY(m_program.closePage(table));
}

void TestJourney::serverGoneAndBack()
{
    const QString id =
        m_program.query("INSERT INTO sms (name, code, value) VALUES ('Before', 'before', 'x') RETURNING id").toString();
    QPointer<QObject> table = open(smsRow());
    QVERIFY(table);
    QTRY_VERIFY_WITH_TIMEOUT(JourneySteps::tableIdle(table), timeLimit(10000));
    QPointer<QObject> editor = openRecord(table, id);
    QVERIFY(editor);
    QCOMPARE(WindowDriver::typeInto(pageControl(editor, "name"), "Typed offline"), QString());

    auto *host = mainWindow()->findChild<Gui::HostLabel *>();
    QVERIFY(host);
    QTRY_VERIFY(countShown(host, Qt::green) > 0);
    const int signIns = m_program.sentCount("auth_trAuth");
    const int locks = m_program.sentCount("sms_trLock");
    m_program.server().kill();
    // The loss shows.
    QTRY_VERIFY_WITH_TIMEOUT(countShown(host, Qt::red) > 0 && countShown(host, Qt::green) == 0, timeLimit(15000));
    QVERIFY(m_program.server().restart());
    // Back after the pause, signed in again, the typed value still in the form.
    QTRY_VERIFY_WITH_TIMEOUT(countShown(host, Qt::green) > 0, timeLimit(20000));
    QTRY_VERIFY_WITH_TIMEOUT(m_program.sentCount("auth_trAuth") > signIns, timeLimit(10000));
    QVERIFY(editor);
    QCOMPARE(pageControl(editor, "name")->property("text").toString(), QString("Typed offline"));
    QVERIFY(editor->property("isDirty").toBool());

    // The editor locks its record again on the new session, and the typed value saves.
    QTRY_VERIFY_WITH_TIMEOUT(m_program.sentCount("sms_trLock") > locks, timeLimit(10000));
    QTest::qWait(timeLimit(300));
    m_program.watchdog().reset();
    QCOMPARE(WindowDriver::clickItem(pageControl(editor, "okButton")), QString());
    QTRY_VERIFY_WITH_TIMEOUT(editor.isNull() || !m_program.watchdog().boxes().isEmpty(), timeLimit(10000));
    QVERIFY2(editor.isNull(), qPrintable(m_program.watchdog().texts().join('\n')));
    QCOMPARE(m_program.query("SELECT name FROM sms WHERE id = ?", {id}).toString(), QString("Typed offline"));
    QVERIFY(m_program.closePage(table));
}

void TestJourney::reportWhileServerGone()
{
    QPointer<Gui::Report::AbstractReport> frame;
    QCOMPARE(m_steps.openReport("brandReport", &frame), QString());
    auto *host = mainWindow()->findChild<Gui::HostLabel *>();
    m_program.server().kill();
    QTRY_VERIFY_WITH_TIMEOUT(countShown(host, Qt::red) > 0, timeLimit(15000));

    // Asked while the server is gone: the frame comes back, saying so, with nothing written.
    m_program.watchdog().reset();
    QCOMPARE(WindowDriver::clickWidget(frame->createButton()), QString());
    QTRY_VERIFY_WITH_TIMEOUT(frame->isEnabled() && !m_program.watchdog().boxes().isEmpty(), timeLimit(30000));
    QCOMPARE(m_program.watchdog().texts(),
             QStringList{"There is no connection to the server: the report was not created"});
    QVERIFY(frame->writtenFiles().isEmpty());
    m_program.watchdog().reset();

    QVERIFY(m_program.server().restart());
    QTRY_VERIFY_WITH_TIMEOUT(countShown(host, Qt::green) > 0, timeLimit(20000));
    frame->close();
}

KORIV_PAGE_TEST_MAIN(TestJourney)

#include "tst_journey.moc"
