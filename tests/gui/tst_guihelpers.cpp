#include "gui/core/context.h"
#include "gui/core/utils.h"
#include "gui/dialog/rowlimit.h"
#include "gui/dialog/standarddialog.h"
#include "gui/helper/busy.h"
#include "gui/helper/windowguisettings.h"
#include "gui/settings/settings.h"
#include "gui/shell/global.h"
#include "gui/shell/guisession.h"
#include "modalwatchdog.h"
#include "overridecursor.h"
#include "taborder.h"
#include "testglobal.h"
#include "tempsettings.h"
#include "timelimit.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

// Counts the time-outs it is told about.
class CountingBusy : public Gui::Helper::Busy
{
public:
    using Busy::Busy;
    int expired = 0;

protected:
    void busyExpired() override { ++expired; }
};

// A dialog that keeps one note in the GUI session.
class NoteDialog : public Gui::Dialog::StandardDialog
{
public:
    NoteDialog()
    {
        insertWidget(m_note, true);
    }
    void loadSettings(const QVariantMap &settings) override { m_note->setText(settings.value("note").toString()); }
    QVariantMap saveSettings() const override
    {
        return m_note->text().isEmpty() ? QVariantMap() : QVariantMap{{"note", m_note->text()}};
    }
    QLineEdit *m_note = new QLineEdit;
};

QRect available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

// The busy state, the window settings, the window utilities and the standard dialog.
class TestGuiHelpers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void busyTimeOut();
    void busyCursorBalance();
    void busyWithoutTimer();
    void windowSettingsSave();
    void windowSettingsLoad_data();
    void windowSettingsLoad();
    void utilities();
    void taskBarGrouping();
    void dialogSettingsName();
    void dialogSettingsInGuiSession();
    void dialogLayoutAndTabOrder();
    void dialogDeletesItselfOnClose();

private:
    std::unique_ptr<TempSettings> m_temp;
    ModalWatchdog m_watchdog;
};

void TestGuiHelpers::initTestCase()
{
    m_temp = std::make_unique<TempSettings>();
    Gui::Settings settings;
}

void TestGuiHelpers::cleanup()
{
    VERIFY_NO_MODAL(m_watchdog);
    QCOMPARE(popOverrideCursors(), 0);
    m_watchdog.reset();
}

void TestGuiHelpers::busyTimeOut()
{
    QWidget widget;
    widget.setWindowTitle("Balance");
    CountingBusy busy(&widget);
    busy.setBusyTimeout(30ms);
    busy.start();
    QVERIFY(busy.isBusy());
    QVERIFY(!widget.isEnabled());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

    QTRY_COMPARE(m_watchdog.boxes().size(), 1);
    QVERIFY(!busy.isBusy());
    QVERIFY(widget.isEnabled());
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(busy.expired, 1);
    const ModalWatchdog::Box box = m_watchdog.takeBoxes().first();
    QCOMPARE(box.text, QString("Server unavailable"));
    QCOMPARE(box.title, QString("Balance"));
    QCOMPARE(box.icon, QMessageBox::Critical);

    // A stop after the time-out (a late answer) leaves the cursors of others alone.
    QApplication::setOverrideCursor(Qt::CrossCursor);
    busy.stop();
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QApplication::restoreOverrideCursor();
    QCOMPARE(busy.expired, 1);
}

void TestGuiHelpers::busyCursorBalance()
{
    QWidget widget;
    {
        CountingBusy busy(&widget);
        busy.start();
        busy.start();
        QCOMPARE(popOverrideCursors(), 1);
        QApplication::setOverrideCursor(Qt::WaitCursor); // what the depth count took away
        busy.stop();
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(widget.isEnabled());

        // Destroyed while busy: its cursor goes with it, once.
        busy.start();
    }
    QVERIFY(!QApplication::overrideCursor());

    // A helper without a widget only keeps the cursor.
    Gui::Helper::Busy alone;
    alone.start();
    QVERIFY(alone.isBusy());
    alone.stop();
    QVERIFY(!QApplication::overrideCursor());
}

void TestGuiHelpers::busyWithoutTimer()
{
    QWidget widget;
    CountingBusy busy(&widget);
    busy.setBusyTimeout(10ms);
    busy.setTimerEnabled(false);
    busy.start();
    QTest::qWait(timeLimit(60));
    QVERIFY(busy.isBusy());
    QCOMPARE(busy.expired, 0);
    QVERIFY(m_watchdog.boxes().isEmpty());
    busy.stop();
}

void TestGuiHelpers::windowSettingsSave()
{
    QWidget window;
    Gui::Helper::WindowGuiSettings settings(&window);
    window.setGeometry(40, 50, 300, 250);
    window.show();
    const QVariantMap normal = settings.saveSettings().value("window").toMap();
    QCOMPARE(normal.value("state").toInt(), 0);
    QCOMPARE(normal.value("width").toInt(), 300);
    QCOMPARE(normal.value("height").toInt(), 250);
    QCOMPARE(QPoint(normal.value("x").toInt(), normal.value("y").toInt()), window.pos());

    window.showMaximized();
    QCOMPARE(settings.saveSettings(), (QVariantMap{{"window", QVariantMap{{"state", int(Qt::WindowMaximized)}}}}));
}

void TestGuiHelpers::windowSettingsLoad_data()
{
    QTest::addColumn<QVariantMap>("window");
    QTest::addColumn<QRect>("geometry"); // null: centred at the size given
    QTest::addColumn<QSize>("size");
    QTest::newRow("as stored") << QVariantMap{{"x", 10}, {"y", 20}, {"width", 320}, {"height", 240}, {"state", 0}}
                               << QRect(10, 20, 320, 240) << QSize();
    QTest::newRow("too small") << QVariantMap{{"x", 10}, {"y", 20}, {"width", 150}, {"height", 120}}
                               << QRect(10, 20, 200, 200) << QSize();
    QTest::newRow("beyond the screen") << QVariantMap{{"x", 5000}, {"y", 20}, {"width", 300}, {"height", 300}}
                                       << QRect() << QSize(300, 300);
    QTest::newRow("above the screen") << QVariantMap{{"x", 10}, {"y", -400}, {"width", 300}, {"height", 300}}
                                      << QRect() << QSize(300, 300);
    QTest::newRow("left of the screen") << QVariantMap{{"x", -2000}, {"y", 10}, {"width", 300}, {"height", 300}}
                                        << QRect() << QSize(300, 300);
    QTest::newRow("empty") << QVariantMap() << QRect() << QSize(260, 210);
}

void TestGuiHelpers::windowSettingsLoad()
{
    QFETCH(QVariantMap, window);
    QFETCH(QRect, geometry);
    QFETCH(QSize, size);
    QWidget widget;
    widget.resize(260, 210);
    Gui::Helper::WindowGuiSettings settings(&widget);
    settings.loadSettings({{"window", window}});
    if (geometry.isValid()) {
        QCOMPARE(widget.geometry(), geometry);
    } else {
        QCOMPARE(widget.size(), size);
        QCOMPARE(widget.geometry().center(), available().center());
    }
}

void TestGuiHelpers::utilities()
{
    // Nothing but the brackets: the lists sort the placeholder row first themselves.
    QCOMPARE(Gui::Utils::bracketed("All"), QString("[All]"));

    QWindow frameWindow;
    frameWindow.setObjectName("NtFrameWindow");
    QObject frame;
    frame.setProperty("window", QVariant::fromValue<QObject *>(&frameWindow));
    frame.setProperty("title", "Drivers");
    QCOMPARE(Gui::Utils::objectProperty(&frame, "window"), &frameWindow);
    QVERIFY(!Gui::Utils::objectProperty(&frame, "title"));
    QVERIFY(!Gui::Utils::objectProperty(&frame, "missing"));
    QVERIFY(Gui::Utils::findMethod(&frameWindow, "requestActivate( )").isValid());
    QVERIFY(!Gui::Utils::findMethod(&frameWindow, "missing()").isValid());

    // A hidden window is left alone; a visible one is raised and activated, through its frame too.
    QWindow other;
    other.show();
    other.requestActivate();
    QTRY_COMPARE(QGuiApplication::focusWindow(), &other);
    Gui::Utils::activateFrameWindow(&frame);
    QTest::qWait(timeLimit(20));
    QCOMPARE(QGuiApplication::focusWindow(), &other);
    frameWindow.show();
    Gui::Utils::activateFrameWindow(&frame);
    QTRY_COMPARE(QGuiApplication::focusWindow(), &frameWindow);
    other.requestActivate();
    QTRY_COMPARE(QGuiApplication::focusWindow(), &other);
    Gui::Utils::activateFrameWindow(&frameWindow);
    QTRY_COMPARE(QGuiApplication::focusWindow(), &frameWindow);
    Gui::Utils::activateFrameWindow(nullptr);
}

void TestGuiHelpers::taskBarGrouping()
{
    QWidget owner;
    owner.show();
    QWidget grouped;
    Gui::Utils::attachToOwnerWindow(&owner, &grouped);
    QVERIFY(grouped.windowHandle());
    QCOMPARE(grouped.windowHandle()->transientParent(), owner.windowHandle());

    Gui::Settings::setValue("ui", "groupTaskBarWindows", false);
    QWidget separate;
    Gui::Utils::attachToOwnerWindow(&owner, &separate);
    QVERIFY(!separate.windowHandle() || !separate.windowHandle()->transientParent());
    Gui::Settings::remove("ui");
}

void TestGuiHelpers::dialogSettingsName()
{
    Gui::Dialog::RowLimit dialog(5);
    QCOMPARE(dialog.settingsName(), QString("gui::Dialog::RowLimit"));
    Gui::Helper::GuiSettings withoutWidget;
    QCOMPARE(withoutWidget.settingsName(), QString());
    QVERIFY(withoutWidget.saveSettings().isEmpty());
}

void TestGuiHelpers::dialogSettingsInGuiSession()
{
    // Before sign-in there is no GLOBAL: nothing is loaded or kept.
    {
        NoteDialog dialog;
        dialog.m_note->setText("lost");
        dialog.show();
        dialog.reject();
    }
    Gui::Context context;
    TestGlobal global;
    Gui::Context::setGlobal(&global);
    QVERIFY(global.guiSession()->frameSettings("noteDialog").isEmpty());
    {
        NoteDialog dialog;
        dialog.setDeleteOnClose(false);
        dialog.show();
        QCOMPARE(dialog.m_note->text(), QString());
        dialog.m_note->setText("kept");
        dialog.accept();
    }
    const QString name = NoteDialog().settingsName();
    QCOMPARE(global.guiSession()->frameSettings(name), (QVariantMap{{"note", "kept"}}));
    {
        NoteDialog dialog;
        dialog.setDeleteOnClose(false);
        dialog.show();
        QCOMPARE(dialog.m_note->text(), QString("kept"));
        // An empty map leaves the earlier entry.
        dialog.m_note->clear();
        dialog.reject();
    }
    QCOMPARE(global.guiSession()->frameSettings(name), (QVariantMap{{"note", "kept"}}));
    Gui::Context::setGlobal(nullptr);
}

void TestGuiHelpers::dialogLayoutAndTabOrder()
{
    NoteDialog dialog;
    dialog.setDeleteOnClose(false);
    auto *second = new QLineEdit;
    dialog.insertWidgetStretched(second, 1);
    dialog.setWidth(350);
    QCOMPARE(dialog.width(), 350);
    QCOMPARE(dialog.height(), dialog.sizeHint().height());

    // Content from the top (the last inserted first), then the stretch, then the buttons.
    auto *layout = qobject_cast<QVBoxLayout *>(dialog.layout());
    QCOMPARE(layout->itemAt(0)->widget(), second);
    QCOMPARE(layout->stretch(0), 1);
    QVERIFY(layout->itemAt(2)->spacerItem());
    QCOMPARE(layout->itemAt(3)->widget(), dialog.buttonBox());

    dialog.setOkEnabled(false);
    QVERIFY(!dialog.okButton()->isEnabled());
    dialog.setOkEnabled(true);

    dialog.show();
    QWidget *cancel = dialog.buttonBox()->button(QDialogButtonBox::Cancel);
    // The first field has the focus; Tab goes through the fields, then Ok and Cancel.
    QCOMPARE(dialog.focusWidget(), dialog.m_note);
    QCOMPARE(tabOrderAfter(dialog.m_note), (QWidgetList{second, dialog.okButton(), cancel}));

    // Ok and Cancel reach the virtual accept and reject.
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.okButton()->click();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
}

void TestGuiHelpers::dialogDeletesItselfOnClose()
{
    QPointer<NoteDialog> closing = new NoteDialog;
    closing->show();
    closing->reject();
    QTRY_VERIFY(closing.isNull());

    NoteDialog kept;
    kept.setDeleteOnClose(false);
    kept.show();
    kept.reject();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!kept.isVisible());
}

QTEST_MAIN(TestGuiHelpers)
#include "tst_guihelpers.moc"
