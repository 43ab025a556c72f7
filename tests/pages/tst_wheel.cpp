// The mouse wheel over the widget kit's combo boxes, spin boxes and date edits, turned through the
// window system on X11 (xcb on Xvfb): without the focus a turn changes nothing, stores nothing and
// gives no focus, and goes on to a scroll area around the control; with the focus it still
// changes the control. In the company balance entry, the options and a report frame.
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"

#include "report/driversessionreport.h"

#include "gui/core/context.h"
#include "gui/dialog/balancelog.h"
#include "gui/dialog/commonoptionspage.h"
#include "gui/dialog/options.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/report/datetruncatecombobox.h"
#include "gui/report/startenddatetimeedit.h"
#include "gui/settings/settings.h"
#include "gui/shell/global.h"
#include "gui/widget/datetimeedit.h"
#include "gui/widget/doubleedit.h"
#include "timelimit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

namespace {

QObject *child(QObject *object, const char *name)
{
    return object ? object->property(name).value<QObject *>() : nullptr;
}

// Turns the wheel by notches (away from the operator when positive) over the middle of the
// widget, as the window system hands it to the program.
void turn(QWidget *widget, int notches)
{
    QWidget *window = widget->window();
    const QPoint local = widget->mapTo(window, widget->rect().center());
    QWindowSystemInterface::handleWheelEvent(window->windowHandle(), local, window->mapToGlobal(local), QPoint(),
                                             QPoint(0, 120 * notches));
    QWindowSystemInterface::flushWindowSystemEvents();
}

// The notches that move a combo box to another item: down from the first, up from any other.
int towardAnother(const QComboBox *box)
{
    return box->currentIndex() == 0 ? -1 : 1;
}

// Turns the wheel one notch each way over each control, which has no focus; after every notch
// shown() is still what it was and no control took the focus.
void turnUnfocused(const QList<QWidget *> &controls, const std::function<QVariantList()> &shown)
{
    const QVariantList before = shown();
    for (QWidget *control : controls) {
        QVERIFY2(!control->hasFocus(), qPrintable(QString(control->metaObject()->className()) + " has the focus"));
        for (int notches : {1, -1}) {
            turn(control, notches);
            const QString where = QString("%1 notch over %2").arg(notches).arg(control->metaObject()->className());
            QVERIFY2(shown() == before, qPrintable(where + " changed a value"));
            QVERIFY2(!control->hasFocus(), qPrintable(where + " gave it the focus"));
        }
    }
}

void focus(QWidget *control)
{
    control->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(control->hasFocus());
}

// Activates the window of the widget; false when it does not become active.
bool activate(QWidget *widget)
{
    widget->window()->activateWindow();
    return QTest::qWaitForWindowActive(widget->window(), timeLimit(5000));
}

} // namespace

class TestWheel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void dialogsTakeTheWheelOnlyWithTheFocus();
    void reportPeriodTakesTheWheelOnlyWithTheFocus();

private:
    // A new entry of a company with a balance of 1000 in "Refill company balance", opened from its
    // balance tab with the type "Credit" chosen; null when it did not open.
    Gui::Dialog::BalanceLog *openCreditEntry(const QString &company, const QString &credit);
    // Turns the wheel over the options' boxes; shown is what they showed first, empty on failure.
    void turnInOptions(QDialog *dialog, QVariantList &shown);

    PageProgram m_program;
};

void TestWheel::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    const QString failure = m_program.start("wheel");
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestWheel::cleanup()
{
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

Gui::Dialog::BalanceLog *TestWheel::openCreditEntry(const QString &company, const QString &credit)
{
    QObject *editor = m_program.openPage("qrc:/qml/company/company/CompanyEditor.qml", {{"state", "EDIT"}, {"id", company}});
    if (!editor || !QTest::qWaitFor([&] { return editor->property("id").toString() == company; }, timeLimit(10000)))
        return nullptr;
    child(child(editor, "tabView"), "tabBar")->setProperty("currentIndex", 1);
    QObject *balance = child(editor, "balance");
    const QString group = m_program.query("SELECT rst_id_bg FROM company_balance_types WHERE id = ?", {credit}).toString();
    for (const auto &[box, rows, chosen] : {std::tuple("groupBox", "groups", group), std::tuple("typeBox", "types", credit)}) {
        auto *model = qobject_cast<QAbstractItemModel *>(child(child(balance, rows), "proxyModel"));
        // A lambda cannot capture a structured binding before C++20: it captures this name.
        const QString &id = chosen;
        int row = -1;
        const bool listed = QTest::qWaitFor([&] {
            QMetaObject::invokeMethod(model, "checkValueByRole", Q_RETURN_ARG(int, row), Q_ARG(QString, "id"),
                                      Q_ARG(QVariant, id));
            return row > 0;
        }, timeLimit(10000));
        if (!listed)
            return nullptr;
        child(balance, box)->setProperty("currentIndex", row);
        QMetaObject::invokeMethod(child(balance, box), "activated", Q_ARG(int, row));
    }
    QVariant added;
    QMetaObject::invokeMethod(balance, "addEntry", Q_RETURN_ARG(QVariant, added));
    return qobject_cast<Gui::Dialog::BalanceLog *>(added.value<QObject *>());
}

void TestWheel::dialogsTakeTheWheelOnlyWithTheFocus()
{
    // The entry as the operator reads it: "-Credit" stays, and OK books a credit.
    const QString company =
        m_program.query("INSERT INTO companies (company_name, sign, uuid_company, balance, lost_profit, dt_utc_insert,"
                        " dt_utc_last_update) VALUES ('Wheel', 'wheel', md5(random()::text), 1000, 0, 1, 1) RETURNING id")
            .toString();
    const QString credit =
        m_program.query("SELECT t.id FROM company_balance_types t JOIN company_balance_groups g ON g.id = t.rst_id_bg"
                        " WHERE g.code = 'sys.refill_company_balance' AND t.type_operation = 0").toString();
    QVERIFY(!company.isEmpty() && !credit.isEmpty());
    QPointer<Gui::Dialog::BalanceLog> entry = openCreditEntry(company, credit);
    QVERIFY(entry);
    QVERIFY(activate(entry));
    auto *type = entry->findChild<QComboBox *>();
    QVERIFY(type && type->count() == 2);
    const int chosen = type->currentIndex();
    QVERIFY2(type->currentText().contains("Credit"), qPrintable(type->currentText()));
    turnUnfocused({type}, [type] { return QVariantList{type->currentIndex()}; });
    if (QTest::currentTestFailed())
        return;
    focus(type);
    turn(type, towardAnother(type));
    QVERIFY(type->currentIndex() != chosen);
    turn(type, towardAnother(type));
    QCOMPARE(type->currentIndex(), chosen);
    QTest::keyClicks(entry->findChild<Gui::DoubleEdit *>(), "100");
    const int booked = m_program.sentCount("cmpbl_trNew");
    entry->accept();
    QVERIFY(m_program.waitForSent("cmpbl_trNew", booked + 1));
    QCOMPARE(m_program.sent("cmpbl_trNew").last().value("rst_id_bt").toVariant().toString(), credit);
    QTRY_VERIFY_WITH_TIMEOUT(entry.isNull(), timeLimit(10000));
    QCOMPARE(m_program.query("SELECT balance FROM companies WHERE id = ?", {company}).toDouble(), 900.0);

    // Tools > Options: nothing changes, nothing applies at once, and OK stores what was shown.
    auto *command = Gui::Context::mainWindow()->menuBar()->findChild<QAction *>("options");
    QVERIFY(command);
    QVariantList shown;
    m_program.watchdog().handleNext([&](QDialog *dialog) {
        turnInOptions(dialog, shown);
        dialog->accept();
    });
    command->trigger();
    QVERIFY(!shown.isEmpty());
    QCOMPARE((QVariantList{Gui::Settings::value("i18n", "lang"), Gui::Settings::value("style", "scaleFactor").toDouble(),
                           Gui::Settings::value("style", "fontSize").toInt(), Gui::Settings::value("updating", "channel")}),
             shown);
}

void TestWheel::turnInOptions(QDialog *dialog, QVariantList &shown)
{
    auto *options = qobject_cast<Gui::Dialog::Options *>(dialog);
    QVERIFY(options && activate(options));
    auto *page = qobject_cast<Gui::Dialog::CommonOptionsPage *>(options->page(0));
    QVERIFY(page);
    // The four boxes, and the scale and font size in force.
    const auto current = [page] {
        return QVariantList{page->languageBox()->currentData(), page->scaleBox()->value(), page->fontSizeBox()->value(),
                            page->channelBox()->currentData(), Gui::Context::global()->scaleFactor(),
                            QApplication::font().pointSize()};
    };
    const QVariantList before = current();
    turnUnfocused({page->languageBox(), page->scaleBox(), page->fontSizeBox(), page->channelBox()}, current);
    if (QTest::currentTestFailed())
        return;
    QComboBox *language = page->languageBox();
    focus(language);
    const int chosen = language->currentIndex();
    turn(language, towardAnother(language));
    QVERIFY(language->currentIndex() != chosen);
    turn(language, towardAnother(language));
    QCOMPARE(language->currentIndex(), chosen);
    QCOMPARE(current(), before);
    shown = before.mid(0, 4);
}

void TestWheel::reportPeriodTakesTheWheelOnlyWithTheFocus()
{
    auto *command = Gui::Context::mainWindow()->menuBar()->findChild<QAction *>("driverSessionReport");
    QVERIFY(command);
    command->trigger();
    QPointer<DriverSessionReport> frame = qobject_cast<DriverSessionReport *>(PageControls::lastFrame());
    QVERIFY(frame);
    QTRY_VERIFY(frame->isVisible());
    QVERIFY(activate(frame));
    const QList<Gui::DateTimeEdit *> dates = frame->periodEdit()->findChildren<Gui::DateTimeEdit *>();
    QCOMPARE(dates.size(), 2);
    Gui::StartEndDateTimeEdit *period = frame->periodEdit();
    Gui::DateTruncateComboBox *truncate = frame->truncateBox();
    const auto shown = [period, truncate] {
        return QVariantList{period->startDateTime(), period->endDateTime(), truncate->currentIndex()};
    };
    const QVariantList before = shown();
    turnUnfocused({dates.at(0), dates.at(1), truncate}, shown);
    if (QTest::currentTestFailed())
        return;
    focus(dates.at(0));
    turn(dates.at(0), -1);
    QVERIFY(period->startDateTime() < before.at(0).toDateTime());
    QCOMPARE(period->endDateTime(), before.at(1).toDateTime());
    frame->close();
    QTRY_VERIFY(!frame);

    // Around a control without the focus, a scroll area takes the turn; an editable combo box (the
    // extended search's field) turns once it has the focus.
    QScrollArea area;
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    auto *line = new QLineEdit;
    auto *box = new QComboBox;
    box->setEditable(true);
    box->addItems({"Hour", "Day", "Week"});
    box->setCurrentIndex(1);
    auto *date = new Gui::DateTimeEdit;
    const QDateTime start = date->dateTime();
    for (QWidget *widget : QList<QWidget *>{line, box, date})
        layout->addWidget(widget);
    layout->addSpacing(2000);
    area.setWidget(content);
    area.resize(300, 200);
    area.show();
    QVERIFY(activate(&area));
    focus(line);
    for (QWidget *control : QList<QWidget *>{box, date}) {
        area.verticalScrollBar()->setValue(0);
        turn(control, -1);
        QVERIFY2(area.verticalScrollBar()->value() > 0, control->metaObject()->className());
        QCOMPARE(box->currentIndex(), 1);
        QCOMPARE(date->dateTime(), start);
        QVERIFY(line->hasFocus());
    }
    area.verticalScrollBar()->setValue(0);
    focus(box);
    turn(box, -1);
    QCOMPARE(box->currentIndex(), 2);
    QCOMPARE(area.verticalScrollBar()->value(), 0);
}

KORIV_PAGE_TEST_MAIN(TestWheel)
#include "tst_wheel.moc"
