#include "gui/dialog/calendar.h"
#include "gui/dialog/changepassword.h"
#include "gui/dialog/intervaleditor.h"
#include "gui/dialog/intervalwidget.h"
#include "gui/dialog/roles.h"
#include "gui/dialog/rowlimit.h"
#include "gui/dialog/smsvariables.h"
#include "gui/style/style.h"
#include "gui/widget/minusbutton.h"
#include "gui/widget/plusbutton.h"
#include "gui/widget/tablewidget.h"
#include "gui/widget/todaycalendar.h"
#include "modalwatchdog.h"
#include "oneday.h"

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace Gui::Dialog;

namespace {

// Counts the requests its Ok would send, as the application's subclasses do.
class SendingChangePassword : public ChangePassword
{
public:
    using ChangePassword::ChangePassword;
    int sent = 0;
    void accept() override { ++sent; }
};

QStringList labelTexts(const QWidget *widget)
{
    QStringList result;
    for (const QLabel *label : widget->findChildren<QLabel *>())
        result.append(label->text());
    return result;
}

} // namespace

// The small dialogs that pages open: calendar, roles, SMS variables, row limit, interval editor,
// and the change-password base.
class TestSmallDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void rowLimit();
    void intervalRoundTrip_data();
    void intervalRoundTrip();
    void intervalRowsAddAndRemove();
    void intervalRejection_data();
    void intervalRejection();
    void intervalUnits_data();
    void intervalUnits();
    void roles();
    void calendar();
    void smsVariables();
    void changePasswordParams();
    void changePasswordMessages();

private:
    ModalWatchdog m_watchdog;
};

void TestSmallDialogs::initTestCase()
{
    Gui::Style::loadFonts();
}

void TestSmallDialogs::cleanup()
{
    VERIFY_NO_MODAL(m_watchdog);
    m_watchdog.reset();
}

void TestSmallDialogs::rowLimit()
{
    RowLimit dialog(500);
    dialog.setDeleteOnClose(false);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Row Limit"));
    QCOMPARE(dialog.limit(), 500);
    QCOMPARE(dialog.focusWidget(), dialog.edit());

    dialog.edit()->selectAll();
    QTest::keyClick(dialog.edit(), Qt::Key_Backspace);
    QVERIFY(!dialog.okButton()->isEnabled());
    QTest::keyClicks(dialog.edit(), "-12x");
    QCOMPARE(dialog.edit()->text(), QString("12"));
    QVERIFY(dialog.okButton()->isEnabled());
    QCOMPARE(dialog.limit(), 12);

    // Enter is Ok.
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::keyClick(dialog.edit(), Qt::Key_Return);
    QCOMPARE(accepted.count(), 1);
}

void TestSmallDialogs::intervalRoundTrip_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("rows"); // threshold|value as shown
    QTest::addColumn<QString>("output");
    QTest::newRow("three") << "5=10;10=8.5;20=7" << QStringList{"5|10", "10|8.5", "20|7"} << "5=10;10=8.5;20=7";
    QTest::newRow("empty parts and comma") << "5=10;;10=8,5;" << QStringList{"5|10", "10|8,5"} << "5=10;10=8.5";
    QTest::newRow("no equals sign") << "7" << QStringList{"7|7"} << "7=7";
    QTest::newRow("empty") << "" << QStringList() << "";
}

void TestSmallDialogs::intervalRoundTrip()
{
    QFETCH(QString, input);
    QFETCH(QStringList, rows);
    QFETCH(QString, output);
    IntervalEditor editor(input, 6);
    editor.setDeleteOnClose(false);
    QStringList shown;
    for (const IntervalWidget *row : editor.rows())
        shown.append(row->threshold() + "|" + row->value());
    QCOMPARE(shown, rows);
    editor.show();
    QSignalSpy accepted(&editor, &QDialog::accepted);
    editor.okButton()->click();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(editor.intervals(), output);
    QVERIFY(m_watchdog.boxes().isEmpty());
}

void TestSmallDialogs::intervalRowsAddAndRemove()
{
    IntervalEditor editor("5=10;10=8.5", 0);
    editor.setDeleteOnClose(false);
    editor.show();
    QCOMPARE(editor.windowTitle(), QString("Interval Editor"));

    // A row's own minus button removes it; the row goes away after its click is handled.
    QPointer<IntervalWidget> first = editor.rows().first();
    first->removeButton()->click();
    QCOMPARE(editor.rows().size(), 1);
    QVERIFY(!first.isNull());
    QVERIFY(first->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(editor.intervals(), QString("10=8.5"));

    // A new row is empty and blocks Ok until both fields are filled.
    editor.addButton()->click();
    QCOMPARE(editor.rows().size(), 2);
    IntervalWidget *added = editor.rows().last();
    QCOMPARE(added->threshold(), QString());
    QSignalSpy accepted(&editor, &QDialog::accepted);
    editor.okButton()->click();
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(m_watchdog.texts(), QStringList{"Empty value error"});
    QCOMPARE(m_watchdog.boxes().first().title, QString("Interval Editor"));
    QTest::keyClicks(added->thresholdEdit(), "30");
    QTest::keyClicks(added->valueEdit(), "6.5");
    editor.okButton()->click();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(editor.intervals(), QString("10=8.5;30=6.5"));

    // Every row removed: an empty text.
    for (IntervalWidget *row : editor.rows())
        row->removeButton()->click();
    editor.okButton()->click();
    QCOMPARE(accepted.count(), 2);
    QCOMPARE(editor.intervals(), QString());
}

void TestSmallDialogs::intervalRejection_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("typed"); // typed into the threshold field after clearing it
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<QString>("message");
    QTest::newRow("separators cannot be typed") << "5=10" << "1;2=3" << "123" << QString();
    QTest::newRow("letters cannot be typed") << "5=10" << "1x5" << "15" << QString();
    QTest::newRow("not a number in the text given") << "5a=10" << QString() << "5a" << "\"5a\" is not a number";
    QTest::newRow("two decimal signs") << "1.2,5=10" << QString() << "1.2,5" << "\"1.2,5\" is not a number";
}

void TestSmallDialogs::intervalRejection()
{
    QFETCH(QString, input);
    QFETCH(QString, typed);
    QFETCH(QString, threshold);
    QFETCH(QString, message);
    IntervalEditor editor(input, 1);
    editor.setDeleteOnClose(false);
    editor.show();
    IntervalWidget *row = editor.rows().first();
    if (!typed.isEmpty()) {
        row->thresholdEdit()->clear();
        QTest::keyClicks(row->thresholdEdit(), typed);
    }
    QCOMPARE(row->threshold(), threshold);
    QSignalSpy accepted(&editor, &QDialog::accepted);
    editor.okButton()->click();
    QCOMPARE(accepted.count(), message.isEmpty() ? 1 : 0);
    QCOMPARE(m_watchdog.texts(), message.isEmpty() ? QStringList() : QStringList{message});
}

void TestSmallDialogs::intervalUnits_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("hrn per km") << 0 << QStringList{"Before", "km", "hrn/km"};
    QTest::newRow("hrn per min") << 1 << QStringList{"Before", "min", "hrn/min"};
    QTest::newRow("hrn per order") << 2 << QStringList{"Before", "orders", "hrn/order"};
    QTest::newRow("commission absolute") << 3 << QStringList{"Before", "hrn", "hrn/order"};
    QTest::newRow("commission relative") << 4 << QStringList{"Before", "hrn", "%/order"};
    QTest::newRow("cashback") << 5 << QStringList{"Before", "orders", "hrn"};
    QTest::newRow("hrn per hour") << 6 << QStringList{"Before", "", "hrn/hour"};
    QTest::newRow("unknown") << 9 << QStringList{"Before", "", ""};
}

void TestSmallDialogs::intervalUnits()
{
    QFETCH(int, type);
    QFETCH(QStringList, labels);
    IntervalWidget row("5=10", type);
    QCOMPARE(labelTexts(&row), labels);
    QVERIFY(row.thresholdEdit()->maximumWidth() <= 70);
    QVERIFY(row.valueEdit()->maximumWidth() <= 70);
}

void TestSmallDialogs::roles()
{
    const QVariantList roles{QVariantMap{{"role", "name"}, {"title", "Name"}},
                             QVariantMap{{"role", "phone"}, {"title", "Phone"}},
                             QVariantMap{{"role", "rst_id_city"}, {"title", "City"}}};
    Roles dialog(roles);
    dialog.setDeleteOnClose(false);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Roles"));
    QCOMPARE(dialog.size(), QSize(500, 500));
    QCOMPARE(dialog.table()->item(2, 0)->text(), QString("City"));
    QCOMPARE(dialog.table()->item(2, 1)->text(), QString("rst_id_city"));
    QSignalSpy selected(&dialog, &Roles::selected);

    // Nothing selected: an empty list.
    dialog.okButton()->click();
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.takeFirst().first().toStringList(), QStringList());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    // Rows in the order they were selected, each once.
    QItemSelectionModel *selection = dialog.table()->selectionModel();
    const auto rows = QItemSelectionModel::Select | QItemSelectionModel::Rows;
    selection->select(dialog.table()->model()->index(2, 0), rows);
    selection->select(dialog.table()->model()->index(0, 0), rows);
    selection->select(dialog.table()->model()->index(0, 1), rows);
    dialog.show();
    dialog.okButton()->click();
    QCOMPARE(selected.takeFirst().first().toStringList(), (QStringList{"rst_id_city", "name"}));
}

void TestSmallDialogs::calendar()
{
    Calendar calendar;
    QVERIFY(calendar.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(calendar.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!calendar.isModal());
    QCOMPARE(calendar.calendar()->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    QSignalSpy changed(&calendar, &Calendar::selectionChanged);
    QSignalSpy days(&calendar, &Calendar::selectedDayChanged);
    calendar.setSelectedDate(QDate(2024, 2, 28));
    calendar.show();
    QVERIFY(QTest::qWaitForWindowActive(&calendar, timeLimit(5000)));

    // Every date the user moves to is reported, to scripts as the day's numbers; Enter accepts.
    QTest::keyClick(calendar.calendar()->focusWidget(), Qt::Key_Right);
    QCOMPARE(changed.last().first().toDate(), QDate(2024, 2, 29));
    QCOMPARE(days.last(), (QVariantList{2024, 2, 29}));
    const QDate today = onOneDay(&QDate::currentDate, [&] { calendar.calendar()->todayButton()->click(); });
    QCOMPARE(changed.last().first().toDate(), today);
    calendar.setSelectedDay(2026, 4, 24);
    QCOMPARE(calendar.calendar()->selectedDate(), QDate(2026, 4, 24));
    QCOMPARE(days.last(), (QVariantList{2026, 4, 24}));
    QSignalSpy finished(&calendar, &QDialog::finished);
    QTest::keyClick(calendar.calendar()->focusWidget(), Qt::Key_Return);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));

    // Another window activated after it leaves it open; a click elsewhere closes it unaccepted.
    QWidget elsewhere;
    elsewhere.setGeometry(0, 0, 200, 100);
    elsewhere.show();
    QVERIFY(QTest::qWaitForWindowExposed(&elsewhere, timeLimit(5000)));
    Calendar second;
    second.move(300, 200);
    second.show();
    QVERIFY(QTest::qWaitForWindowActive(&second, timeLimit(5000)));
    QSignalSpy rejected(&second, &QDialog::rejected);
    elsewhere.windowHandle()->requestActivate();
    QTRY_COMPARE(QGuiApplication::focusWindow(), elsewhere.windowHandle());
    QVERIFY(second.isVisible());
    QTest::mouseClick(elsewhere.windowHandle(), Qt::LeftButton, {}, {10, 10});
    QCOMPARE(rejected.count(), 1);
    QVERIFY(!second.isVisible());
}

void TestSmallDialogs::smsVariables()
{
    SmsVariables window({{"{SIGN}", "Driver sign"}, {"{CAR}", "Car number"}, {"{AMOUNT}", "Sum"}});
    QCOMPARE(window.windowTitle(), QString("Variables"));
    QCOMPARE(window.width(), 400);
    QVERIFY(!window.parent());
    auto *form = qobject_cast<QFormLayout *>(window.layout());
    QCOMPARE(form->rowCount(), 3);
    QStringList rows;
    for (int row = 0; row < form->rowCount(); ++row) {
        const auto *label = qobject_cast<QLabel *>(form->itemAt(row, QFormLayout::LabelRole)->widget());
        const auto *field = qobject_cast<QLineEdit *>(form->itemAt(row, QFormLayout::FieldRole)->widget());
        QVERIFY(field->isReadOnly());
        rows.append(label->text() + " " + field->text());
    }
    QCOMPARE(rows, (QStringList{"Sum: {AMOUNT}", "Car number: {CAR}", "Driver sign: {SIGN}"}));

    // Escape closes it, wherever the focus is.
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window, timeLimit(5000)));
    QVERIFY(window.focusWidget());
    QTest::keyClick(window.focusWidget(), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

void TestSmallDialogs::changePasswordParams()
{
    const QString emptyDigest = "d41d8cd98f00b204e9800998ecf8427e";
    ChangePassword user(42);
    user.setDeleteOnClose(false);
    QCOMPARE(user.windowTitle(), QString("Change Password"));
    user.oldPasswordEdit()->setText("old");
    user.newPasswordEdit()->setText("пароль");
    user.confirmEdit()->setText("secret");
    QCOMPARE(user.newPasswordEdit()->echoMode(), QLineEdit::Password);
    QCOMPARE(user.params(), (QVariantMap{{"id", "42"},
                                         {"old_pwd", "149603e6c03516362a8da23f624db945"},
                                         {"pwd", QString(QCryptographicHash::hash(QString("пароль").toUtf8(),
                                                                                  QCryptographicHash::Md5).toHex())},
                                         {"pwd_confirm", "5ebe2294ecd0e0f08eab7690d2a6ee69"}}));

    // Drivers and terminal companies: no old password, and an empty new one is still a digest.
    ChangePassword driver(7);
    driver.setDeleteOnClose(false);
    driver.hideOldPassword();
    driver.show();
    QVERIFY(!driver.oldPasswordEdit()->isVisible());
    QCOMPARE(labelTexts(&driver).filter("Old").size(), 1);
    const auto visibleLabels = [&driver] {
        QStringList texts;
        for (const QLabel *label : driver.findChildren<QLabel *>())
            if (label->isVisible())
                texts.append(label->text());
        return texts;
    };
    QCOMPARE(visibleLabels(), (QStringList{"New password:", "Confirm password:"}));
    QCOMPARE(driver.params(), (QVariantMap{{"id", "7"}, {"pwd", emptyDigest}, {"pwd_confirm", emptyDigest}}));
}

void TestSmallDialogs::changePasswordMessages()
{
    QCOMPARE(ChangePassword::errorText(201), QString("Password and confirm password is different"));
    QCOMPARE(ChangePassword::errorText(204), QString("Undefined error occurred"));
    // A code the table lacks still says something, with the code.
    QVERIFY(ChangePassword::errorText(205).contains("205"));

    SendingChangePassword dialog(3);
    dialog.setDeleteOnClose(false);
    dialog.show();
    dialog.okButton()->click();
    QCOMPARE(dialog.sent, 1);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.onPasswordChanged();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.sent, 1);
    QCOMPARE(m_watchdog.texts(), QStringList{"Password successfully changed"});
    QCOMPARE(m_watchdog.boxes().first().title, QString("Change Password"));
    QCOMPARE(m_watchdog.boxes().first().icon, QMessageBox::Information);
}

QTEST_MAIN(TestSmallDialogs)
#include "tst_smalldialogs.moc"
