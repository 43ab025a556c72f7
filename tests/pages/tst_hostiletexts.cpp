// Record values that hold markup, in the program signed in to the stand-in: a driver's sign,
// name and group and a photo's tag are drawn as the characters they are, in the table's cells,
// in the tool tip of a cut cell and in the photo's caption; no image named in them is read from
// the disk or fetched from the network (a local listener counts the requests). A driver whose
// names and phone are millions of characters long opens clean, drawn cut and said so, and a
// save of another field leaves them as stored. In Russian the notice counts characters as
// Russian writes numbers, beside the start of the value. So does an inner note of millions of
// characters, on one line or in many, while a note of a few thousand stays editable.
#include "editortabs.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "screenshot.h"
#include "testimages.h"

#include "gui/core/context.h"
#include "startup/translations.h"
#include "timelimit.h"

#include <QBuffer>
#include <QClipboard>
#include <QFontMetricsF>
#include <QImage>
#include <QJsonObject>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

using PageControls::formOf;
using PageControls::longestLine;
using PageControls::scrollTo;
using PageControls::tableViewOf;

namespace {

// An HTTP listener that answers every request 404 and keeps the paths asked for.
class RequestLog : public QObject
{
public:
    RequestLog()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        });
    }

    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_server.serverPort()).arg(path);
    }
    QStringList paths() const { return m_paths; }

private:
    void answer(QTcpSocket *socket)
    {
        if (!socket->canReadLine())
            return;
        m_paths.append(QString::fromLatin1(socket->readLine()).section(QLatin1Char(' '), 1, 1));
        socket->write("HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n");
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QStringList m_paths;
};

// The drawn text items below an item that show exactly text.
QList<QQuickItem *> textItems(QQuickItem *item, const QString &text)
{
    QList<QQuickItem *> found;
    for (QQuickItem *child : item->childItems()) {
        if (child->isVisible() && child->metaObject()->indexOfProperty("textFormat") >= 0
            && child->property("text").toString() == text)
            found.append(child);
        found += textItems(child, text);
    }
    return found;
}

QQuickItem *rootItem(QObject *page)
{
    auto *window = qobject_cast<QQuickWindow *>(page->property("window").value<QObject *>());
    return window ? window->contentItem() : nullptr;
}

// Drawn as it is: plain text, laid out at least as wide as its characters in the item's font.
QString drawnLiterally(QQuickItem *item, const QString &text)
{
    const int format = item->property("textFormat").toInt();
    const qreal width = QFontMetricsF(item->property("font").value<QFont>()).horizontalAdvance(text);
    const qreal laidOut = item->property("implicitWidth").toReal();
    if (format != 0 || laidOut < width - 1)
        return QStringLiteral("\"%1\": format %2, laid out %3 wide for %4").arg(text).arg(format).arg(laidOut).arg(width);
    return QString();
}

// Opens the driver editor on the record, loaded and drawn; null when it did not.
QObject *openDriver(PageProgram &program, const QString &id)
{
    QPointer<QObject> editor = program.openPage("qrc:/qml/driver/driver/DriverEditor.qml", {{"state", "EDIT"}, {"id", id}});
    if (!editor || !QTest::qWaitFor([&] {
            return !pageControl(editor, "sign")->property("legalText").toString().isEmpty()
                   && !formOf(editor)->property("isBusy").toBool();
        }, timeLimit(30000)))
        return nullptr;
    return editor;
}

} // namespace

class TestHostileTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void markupDrawnAsText();
    void dialogsDrawTextAsText();
    void longTextsStayWholeAndDrawBounded();
    void longTextNoticeInRussian();
    void longNotesStayWholeAndDrawBounded();

private:
    QString driverId() { return m_program.query("SELECT id FROM drivers WHERE sign = ?", {m_names.at(1)}).toString(); }
    QObject *openPhotoTab(const QString &driverId, QObject **page);

    PageProgram m_program;
    RequestLog m_requests;
    QTemporaryDir m_files;
    QStringList m_names;
    QString m_tag;
};

void TestHostileTexts::initTestCase()
{
    QVERIFY(m_files.isValid());
    const QString imagePath = m_files.filePath("red.png");
    QImage red(60, 40, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(imagePath));
    // A last name, a sign and a group name.
    m_names = QStringList{QStringLiteral("<img src=\"%1\">").arg(m_requests.url("images/of/the/driver/name.png")),
                          QStringLiteral("<b>bold</b>"),
                          QStringLiteral("<img src=\"%1\">").arg(QUrl::fromLocalFile(imagePath).toString())};
    m_tag = QStringLiteral("<img src=\"%1\">").arg(m_requests.url("tag.png"));
    const QString failure = m_program.start("hostiletexts", {},
        {QStringLiteral("INSERT INTO driver_groups (name, dt_utc_insert, dt_utc_last_update) VALUES ('%1', 1000, 1000)")
             .arg(m_names.at(2)),
         QStringLiteral("INSERT INTO drivers (sign, last_name, rst_id_group, dt_utc_insert, dt_utc_last_update)"
                        " SELECT '%1', '%2', id, 1000, 1000 FROM driver_groups WHERE name = '%3'")
             .arg(m_names.at(1), m_names.at(0), m_names.at(2)),
         QStringLiteral("INSERT INTO media (rst_id_driver, rst_id_car, tag, data, uuid, dt_utc_insert, dt_utc_last_update)"
                        " SELECT id, 1, '%1', '%2', md5(random()::text), 1000, 1000 FROM drivers WHERE last_name = '%3'")
             .arg(m_tag, pngBase64(red), m_names.at(0))});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestHostileTexts::cleanup()
{
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

QObject *TestHostileTexts::openPhotoTab(const QString &driverId, QObject **page)
{
    QObject *editor = m_program.openPage("qrc:/qml/driver/driver/DriverEditor.qml", {{"state", "EDIT"}, {"id", driverId}});
    if (!editor || !QTest::qWaitFor([&] { return !formOf(editor)->property("isBusy").toBool(); }, timeLimit(10000))
        || !showEditorTab(editor, "photoTab") || !QTest::qWaitFor([&] { return editorTabPage(editor, "photoTab"); }, timeLimit(5000)))
        return nullptr;
    *page = editorTabPage(editor, "photoTab");
    return editor;
}

void TestHostileTexts::markupDrawnAsText()
{
    // Large enough to read on the screenshots of the offscreen screen.
    QObject *global = Gui::Context::qmlEngine()->rootContext()->contextProperty("GLOBAL").value<QObject *>();
    QVERIFY(global);
    global->setProperty("scaleFactor", 1.8);
    QPointer<QObject> table = m_program.openPage("qrc:/qml/driver/driver/DriverTable.qml");
    QVERIFY(table);
    QTRY_VERIFY(PageControls::shownRow(table, driverId()) >= 0);
    auto *view = qobject_cast<QQuickItem *>(tableViewOf(table));
    QVERIFY(view);
    QList<QQuickItem *> cells;
    for (const QString &name : m_names) {
        QTRY_COMPARE(textItems(view, name).size(), 1);
        cells.append(textItems(view, name).first());
        const QString fault = drawnLiterally(cells.last(), name);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(cells.last()->property("lineCount").toInt(), 1);
    }
    auto *window = qobject_cast<QQuickWindow *>(table->property("window").value<QObject *>());
    QVERIFY(window);
    QVERIFY(saveScreenshot(window->screen()->grabWindow(window->winId()).toImage(), "hostile-driver-row.png"));

    // The names are wider than their columns: resting on one shows it whole in a tool tip.
    QQuickItem *cut = cells.first();
    QVERIFY(cut->property("truncated").toBool());
    const QPointF centre = cut->mapToScene(QPointF(cut->width() / 2, cut->height() / 2));
    QTest::mouseMove(window, centre.toPoint());
    QTRY_COMPARE_WITH_TIMEOUT(textItems(window->contentItem(), m_names.first()).size(), 2, timeLimit(5000));
    const QList<QQuickItem *> shown = textItems(window->contentItem(), m_names.first());
    QQuickItem *tip = shown.at(shown.at(0) == cut ? 1 : 0);
    const QString tipFault = drawnLiterally(tip, m_names.first());
    QVERIFY2(tipFault.isEmpty(), qPrintable(tipFault));
    QTRY_COMPARE(tip->parentItem()->opacity(), 1.0);
    QVERIFY(saveScreenshot(window->screen()->grabWindow(window->winId()).toImage(), "hostile-driver-tooltip.png"));
    QTest::mouseMove(window, QPoint(1, 1));
    QVERIFY(m_program.closePage(table));

    // The photo's caption is its tag, as it is.
    QObject *photos = nullptr;
    QPointer<QObject> editor = openPhotoTab(driverId(), &photos);
    QVERIFY(editor && photos);
    QQuickItem *caption = nullptr;
    QTRY_VERIFY((caption = textItems(rootItem(editor), m_tag).value(0)) != nullptr);
    const QString captionFault = drawnLiterally(caption, m_tag);
    QVERIFY2(captionFault.isEmpty(), qPrintable(captionFault));
    QVERIFY(caption->property("lineCount").toInt() > 1);
    QVERIFY(m_program.closePage(editor));

    // An image asked for after all that is fetched: nothing asked for before it was.
    QQmlComponent canary(Gui::Context::qmlEngine());
    canary.setData(QStringLiteral("import QtQuick 2.15; Image { source: \"%1\" }").arg(m_requests.url("canary.png")).toUtf8(),
                   QUrl());
    m_program.messages().expect("canary.png");
    std::unique_ptr<QObject> image(canary.create());
    QVERIFY(image);
    QTRY_VERIFY(m_requests.paths().contains("/canary.png"));
    QTest::qWait(timeLimit(200));
    QCOMPARE(m_requests.paths(), QStringList{"/canary.png"});
}

// A page's question that names another user holds that user's sign: shown as it is.
void TestHostileTexts::dialogsDrawTextAsText()
{
    QPointer<QObject> editor = m_program.openPage("qrc:/qml/driver/driver/DriverEditor.qml",
                                                  {{"state", "EDIT"}, {"id", driverId()}});
    QVERIFY(editor);
    QTRY_VERIFY(!formOf(editor)->property("isBusy").toBool());
    QQuickItem *lastName = pageControl(editor, "last_name");
    QTRY_COMPARE(lastName->property("legalText").toString(), m_names.at(0));
    lastName->setProperty("text", "Kovalenko");
    m_program.watchdog().reset();
    m_program.watchdog().answerNext(QMessageBox::No);
    m_program.push({{"FN", "driver_srUpdated"}, {"RECEIVER", "ALL"}, {"id", driverId()}, {"id_owner_modify", "77"},
                    {"sign", m_names.at(2)}});
    QTRY_COMPARE(m_program.watchdog().boxes().size(), 1);
    const ModalWatchdog::Box box = m_program.watchdog().boxes().first();
    QVERIFY2(box.text.contains(m_names.at(2)), qPrintable(box.text));
    QCOMPARE(box.format, Qt::PlainText);
    m_program.watchdog().reset();
    lastName->setProperty("text", lastName->property("legalText"));
    QVERIFY(m_program.closePage(editor));
}

void TestHostileTexts::longTextsStayWholeAndDrawBounded()
{
    const QStringList roles{"last_name", "first_name", "middle_name", "phone"};
    const QString id = m_program.query(
        "INSERT INTO drivers (sign, last_name, first_name, middle_name, phone, dt_utc_insert, dt_utc_last_update)"
        " VALUES ('long-1', repeat('Kovalenko ', 200000), repeat('Oleksandr ', 200000), repeat('Petrovych ', 200000),"
        " repeat('0501234567', 200000), 1000, 1000) RETURNING id").toString();
    const auto stored = [&](const QString &role) {
        return m_program.query(QStringLiteral("SELECT %1 FROM drivers WHERE id = ?").arg(role), {id}).toString();
    };
    // Two million characters a field take their time to load on a busy machine.
    QPointer<QObject> editor = openDriver(m_program, id);
    QVERIFY(editor);
    QObject *form = formOf(editor);
    QCOMPARE(pageControl(editor, "sign")->property("legalText").toString(), QString("long-1"));

    // Loaded whole, the form clean; each field draws the start of its text and says it is cut.
    QVERIFY(!editor->property("isDirty").toBool());
    QVERIFY(!pageControl(editor, "applyButton")->isEnabled());
    for (const QString &role : roles) {
        QQuickItem *field = pageControl(editor, role);
        const QString whole = stored(role);
        QCOMPARE(whole.size(), 2000000);
        QCOMPARE(field->property("legalText").toString(), whole);
        QVariant sent;
        QVERIFY(QMetaObject::invokeMethod(form, "fieldValue", Q_RETURN_ARG(QVariant, sent),
                                          Q_ARG(QVariant, QVariant::fromValue<QObject *>(field))));
        QCOMPARE(sent.toString(), whole);
        const QString drawn = field->property("text").toString();
        QVERIFY2(drawn.size() <= 1000 && drawn.endsWith(QChar(0x2026)) && whole.startsWith(drawn.chopped(1)),
                 qPrintable(role));
        QVERIFY(field->property("readOnly").toBool());
        auto *notice = field->findChild<QQuickItem *>("cutNotice");
        QVERIFY(notice && notice->isVisible());
        QVERIFY2(notice->property("text").toString().startsWith("Too long to edit here"), qPrintable(role));
    }
    QVERIFY(PageControls::saveDrawnWindow(editor, "long-text-driver-editor.png"));

    // A colleague's new phone meanwhile, then a save of the sign: the long texts are not sent,
    // and the server keeps them as stored.
    m_program.query("UPDATE drivers SET phone = repeat('0671234567', 200000) WHERE id = ?", {id});
    const QString phone = stored("phone");
    QStringList before;
    for (const QString &role : roles)
        before << stored(role);
    pageControl(editor, "sign")->setProperty("text", "long-2");
    QVERIFY(editor->property("isDirty").toBool());
    const int updates = m_program.sentCount("driver_trUpdate");
    PageControls::press(editor, "applyButton");
    QVERIFY(m_program.waitForSent("driver_trUpdate", updates + 1));
    QTRY_COMPARE(stored("sign"), QString("long-2"));
    const QJsonObject request = m_program.sent("driver_trUpdate").last();
    QCOMPARE(request.value("sign").toString(), QString("long-2"));
    for (int i = 0; i < roles.size(); ++i) {
        QVERIFY2(!request.contains(roles.at(i)), qPrintable(roles.at(i)));
        QVERIFY2(stored(roles.at(i)) == before.at(i), qPrintable(roles.at(i)));
    }
    QTRY_VERIFY(!form->property("isBusy").toBool());
    QTRY_COMPARE(pageControl(editor, "phone")->property("legalText").toString(), phone);
    QVERIFY(!editor->property("isDirty").toBool());
    QVERIFY(m_program.closePage(editor));
}

void TestHostileTexts::longTextNoticeInRussian()
{
    // The program in Russian, as start-up installs it, at the sizes of a screen 1080 pixels high
    // (the offscreen one is 600); as it was when the test ends.
    QObject *global = Gui::Context::qmlEngine()->rootContext()->contextProperty("GLOBAL").value<QObject *>();
    QVERIFY(global);
    const QVariant scale = global->property("scaleFactor");
    const QLocale locale;
    const QList<QTranslator *> before = qApp->findChildren<QTranslator *>();
    const auto restore = qScopeGuard([&] {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            if (!before.contains(translator)) {
                QCoreApplication::removeTranslator(translator);
                delete translator;
            }
        }
        QLocale::setDefault(locale);
        global->setProperty("scaleFactor", scale);
    });
    Translations::install("ru");
    global->setProperty("scaleFactor", 1.8);
    // A last name of characters outside the 16-bit range (two UTF-16 units each) and letters.
    const QString id = m_program.query(
        "INSERT INTO drivers (sign, last_name, phone, dt_utc_insert, dt_utc_last_update)"
        " VALUES ('long-ru', ?, repeat('0501234567', 200000), 1000, 1000) RETURNING id",
        {QString::fromUtf8("\xF0\x9D\x94\xB8" "b").repeated(700000)}).toString();
    QPointer<QObject> editor = openDriver(m_program, id);
    QVERIFY(editor);
    QCOMPARE(pageControl(editor, "sign")->property("legalText").toString(), QString("long-ru"));

    // Russian groups digits with no-break spaces.
    const QVector<QPair<QString, QString>> counts{{"last_name", QString("1\u00a0400\u00a0000")},
                                                  {"phone", QString("2\u00a0000\u00a0000")}};
    for (const auto &[role, number] : counts) {
        QQuickItem *field = pageControl(editor, role);
        auto *notice = field->findChild<QQuickItem *>("cutNotice");
        QVERIFY(notice && notice->isVisible());
        const QStringList forms{
            QCoreApplication::translate("TextFieldEx", "Too long to edit here: %1 characters").arg(number),
            QCoreApplication::translate("TextFieldEx", "%1 characters").arg(number)};
        const QString said = notice->property("text").toString();
        QVERIFY2(forms.contains(said) && said.contains(QString::fromUtf8("символов")), qPrintable(role + ": " + said));
        QVERIFY2(!notice->property("truncated").toBool(), qPrintable(role + ": " + said));
        // The value's text ends before the notice and keeps room for ten characters of its font.
        const qreal left = field->property("leftPadding").toReal();
        const qreal tenCharacters = 10 * QFontMetricsF(field->property("font").value<QFont>()).averageCharWidth();
        const qreal textEnd = field->width() - field->property("rightPadding").toReal();
        QVERIFY2(textEnd <= notice->x() && textEnd - left >= tenCharacters && notice->x() + notice->width() <= field->width(),
                 qPrintable(QString("%1: text to %2, notice %3 + %4 of %5").arg(role).arg(textEnd).arg(notice->x())
                                .arg(notice->width()).arg(field->width())));
    }
    QVERIFY(PageControls::saveDrawnWindow(editor, "long-text-driver-editor-ru.png"));
    QVERIFY(m_program.closePage(editor));
}

namespace {

// Types text into the item, focused in its active window.
bool typeInto(QQuickItem *item, const QString &text)
{
    item->window()->requestActivate();
    if (!QTest::qWaitForWindowActive(item->window(), timeLimit(5000)))
        return false;
    item->forceActiveFocus();
    QTest::keyClick(item->window(), Qt::Key_End, Qt::ControlModifier);
    for (char letter : text.toLatin1())
        QTest::keyClick(item->window(), letter);
    return item->hasActiveFocus();
}

} // namespace

void TestHostileTexts::longNotesStayWholeAndDrawBounded()
{
    const auto stored = [&](const QString &id) {
        return m_program.query("SELECT inner_note FROM drivers WHERE id = ?", {id}).toString();
    };
    // 2,000,000 characters in 25,000 lines, then on one line without a place to wrap.
    const QStringList notes{"repeat(rpad('Note line', 79, ' text') || chr(10), 25000)", "repeat('NoteText42', 200000)"};
    for (int i = 0; i < notes.size(); ++i) {
        const QString sign = QStringLiteral("note-%1").arg(i);
        const QString id = m_program.query(QStringLiteral(
            "INSERT INTO drivers (sign, inner_note, dt_utc_insert, dt_utc_last_update) VALUES ('%1', %2, 1000, 1000)"
            " RETURNING id").arg(sign, notes.at(i))).toString();
        const QString whole = stored(id);
        QCOMPARE(whole.size(), 2000000);
        QPointer<QObject> editor = openDriver(m_program, id);
        QVERIFY(editor);
        QObject *form = formOf(editor);

        // Loaded whole, the form clean; the area draws the start of the note, read-only, and says
        // how long the note is.
        QVERIFY2(!editor->property("isDirty").toBool(), qPrintable(sign));
        QVERIFY(!pageControl(editor, "applyButton")->isEnabled());
        QQuickItem *note = pageControl(editor, "inner_note");
        QCOMPARE(note->property("legalText").toString(), whole);
        QVariant sent;
        QVERIFY(QMetaObject::invokeMethod(form, "fieldValue", Q_RETURN_ARG(QVariant, sent),
                                          Q_ARG(QVariant, QVariant::fromValue<QObject *>(note))));
        QCOMPARE(sent.toString(), whole);
        auto *area = note->property("textArea").value<QQuickItem *>();
        QVERIFY(area);
        const QString drawn = area->property("text").toString();
        QVERIFY2(drawn.size() <= 50000 && longestLine(drawn) <= 20000 && drawn.endsWith(QChar(0x2026))
                     && whole.startsWith(drawn.chopped(1)),
                 qPrintable(QString("%1: %2 characters, a line of %3").arg(sign).arg(drawn.size()).arg(longestLine(drawn))));
        QVERIFY2(area->property("readOnly").toBool(), qPrintable(sign));
        auto *notice = note->findChild<QQuickItem *>("cutNotice");
        QVERIFY(notice && notice->isVisible());
        const QString said = notice->property("text").toString();
        QVERIFY2(said.startsWith("Too long to edit here") && QString(said).remove(QRegularExpression("\\D")) == "2000000",
                 qPrintable(said));
        // Below the scrolled text, inside the area.
        const QRectF noticeBox = notice->mapRectToItem(note, QRectF(0, 0, notice->width(), notice->height()));
        QVERIFY2(noticeBox.top() >= note->property("availableHeight").toReal() && noticeBox.bottom() <= note->height() + 0.5,
                 qPrintable(QString("%1: notice at %2 to %3 of %4").arg(sign).arg(noticeBox.top()).arg(noticeBox.bottom())
                                .arg(note->height())));
        if (i == 1) {
            scrollTo(note);
            QVERIFY(PageControls::saveDrawnWindow(editor, "long-note-driver-editor.png"));
        }
        // Neither typing nor a paste reaches it.
        QGuiApplication::clipboard()->setText("pasted");
        QVERIFY(typeInto(area, "typed"));
        QTest::keyClick(area->window(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(area->property("text").toString(), drawn);
        QVERIFY(!editor->property("isDirty").toBool());

        // A save of the sign leaves the note out of the request, and the server keeps it.
        pageControl(editor, "sign")->setProperty("text", sign + "-saved");
        QVERIFY(editor->property("isDirty").toBool());
        const int updates = m_program.sentCount("driver_trUpdate");
        PageControls::press(editor, "applyButton");
        QVERIFY(m_program.waitForSent("driver_trUpdate", updates + 1));
        const QJsonObject request = m_program.sent("driver_trUpdate").last();
        QCOMPARE(request.value("sign").toString(), sign + "-saved");
        QVERIFY2(!request.contains("inner_note"), qPrintable(sign));
        QTRY_VERIFY(!form->property("isBusy").toBool());
        QCOMPARE(m_program.query("SELECT sign FROM drivers WHERE id = ?", {id}).toString(), sign + "-saved");
        QVERIFY(stored(id) == whole);
        QCOMPARE(note->property("legalText").toString(), whole);
        QVERIFY(!editor->property("isDirty").toBool());
        QVERIFY(m_program.closePage(editor));
    }

    // A note of 5,000 characters in 100 lines is shown whole, takes typing and is saved.
    const QString id = m_program.query(
        "INSERT INTO drivers (sign, inner_note, dt_utc_insert, dt_utc_last_update)"
        " VALUES ('note-short', repeat(rpad('Short line', 49, ' text') || chr(10), 100), 1000, 1000) RETURNING id").toString();
    const QString shortNote = stored(id);
    QCOMPARE(shortNote.size(), 5000);
    QPointer<QObject> editor = openDriver(m_program, id);
    QVERIFY(editor);
    QQuickItem *note = pageControl(editor, "inner_note");
    auto *area = note->property("textArea").value<QQuickItem *>();
    QCOMPARE(area->property("text").toString(), shortNote);
    QVERIFY(!area->property("readOnly").toBool());
    QVERIFY(!note->findChild<QQuickItem *>("cutNotice")->isVisible());
    QVERIFY(!editor->property("isDirty").toBool());
    QVERIFY(typeInto(area, "Added"));
    QTRY_COMPARE(area->property("text").toString(), shortNote + "Added");
    QVERIFY(editor->property("isDirty").toBool());
    const int updates = m_program.sentCount("driver_trUpdate");
    PageControls::press(editor, "applyButton");
    QVERIFY(m_program.waitForSent("driver_trUpdate", updates + 1));
    QCOMPARE(m_program.sent("driver_trUpdate").last().value("inner_note").toString(), shortNote + "Added");
    QTRY_COMPARE(stored(id), shortNote + "Added");
    QTRY_VERIFY(!formOf(editor)->property("isBusy").toBool());
    QVERIFY(!editor->property("isDirty").toBool());
    QVERIFY(m_program.closePage(editor));
}

KORIV_PAGE_TEST_MAIN(TestHostileTexts)
#include "tst_hostiletexts.moc"
