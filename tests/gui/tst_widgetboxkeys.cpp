// The widget message boxes on X11 with no window manager (xcb on Xvfb): once OK closes one, the
// keys go back to the youngest box still open over the window it was opened over, else to that
// window, and never stay on the root window. The sign-in dialog's "Server unavailable" and
// "Sign or password is incorrect", a box opened over another box, and the dialogs the menus and the
// sign-in open (About, the server list).
#include "client/net/apinetwork.h"
#include "common/net/abstractcontroller.h"
#include "gui/core/message.h"
#include "gui/dialog/login.h"
#include "gui/mainwindow/about.h"
#include "gui/widget/fapushbutton.h"
#include "tempsettings.h"
#include "timelimit.h"
#include "xwindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDebug>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <functional>

using namespace std::chrono_literals;
using Gui::Dialog::Login;

namespace {

QString describe(const QObject *object)
{
    QString text;
    QDebug(&text) << object;
    return text;
}

// Where the keys are, for the server and for Qt.
QString keysAt()
{
    return describe(XWindows::withKeys()) + QStringLiteral(" (Qt's focus window: %1)").arg(describe(QGuiApplication::focusWindow()));
}

// The shown message box of that text; null when none is.
QMessageBox *shownBox(const QString &text)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (box && box->isVisible() && box->text() == text)
            return box;
    }
    return nullptr;
}

// The X server gives the window the keys and Qt has taken them: a box opened without a parent
// is opened over Qt's focus window, which follows the server's only once its focus event is read.
bool hasKeys(const QWidget *widget)
{
    const QWindow *window = widget ? widget->windowHandle() : nullptr;
    return window && XWindows::withKeys() == window && QGuiApplication::focusWindow() == window;
}

// Steps taken while message boxes run their own event loops, where the test's code waits below
// them: each step waits for its box to have the keys, then acts on it. A step not reached in time
// is a fault, and every box still open is closed so that the test goes on.
class BoxSteps : public QObject
{
public:
    using Action = std::function<void(QMessageBox *)>;

    void add(const QString &text, Action action) { m_steps.append({text, std::move(action)}); }

    void start()
    {
        m_deadline.start();
        connect(&m_poll, &QTimer::timeout, this, &BoxSteps::poll);
        m_poll.start(10);
    }

    bool done() const { return m_steps.isEmpty(); }
    QStringList faults() const { return m_faults; }

private:
    struct Step
    {
        QString text;
        Action action;
    };

    void poll()
    {
        if (m_steps.isEmpty()) {
            m_poll.stop();
            return;
        }
        QMessageBox *box = shownBox(m_steps.first().text);
        if (box && hasKeys(box)) {
            const Step step = m_steps.takeFirst();
            m_deadline.restart();
            step.action(box);
            return;
        }
        if (m_deadline.elapsed() < timeLimit(5000))
            return;
        m_faults.append(QStringLiteral("the box \"%1\" is %2 and the keys are with %3")
                            .arg(m_steps.first().text, box ? QStringLiteral("open") : QStringLiteral("not open"),
                                 keysAt()));
        m_steps.clear();
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *open = qobject_cast<QMessageBox *>(widget); open && open->isVisible())
                open->reject();
        }
    }

    QList<Step> m_steps;
    QTimer m_poll;
    QElapsedTimer m_deadline;
    QStringList m_faults;
};

// OK clicked with the mouse, through the box's window.
void clickOk(QMessageBox *box)
{
    QAbstractButton *ok = box->button(QMessageBox::Ok);
    QTest::mouseClick(box->windowHandle(), Qt::LeftButton, Qt::NoModifier, ok->mapTo(box, ok->rect().center()));
}

} // namespace

class TestWidgetBoxKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void signInBoxesHandTheDialogTheKeys_data();
    void signInBoxesHandTheDialogTheKeys();
    void theBoxLeftOpenHasTheKeys_data();
    void theBoxLeftOpenHasTheKeys();
    void dialogsHandTheKeysBack_data();
    void dialogsHandTheKeysBack();

private:
    // The sign-in dialog shown with the keys, its sign typed; false when it did not get them.
    bool showSignIn(Login &dialog);

    std::unique_ptr<TempSettings> m_temp;
    std::unique_ptr<Client::ApiNetwork> m_net;
};

void TestWidgetBoxKeys::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    m_temp = std::make_unique<TempSettings>();
}

void TestWidgetBoxKeys::init()
{
    m_temp->clear();
    // Never started: the sign-in's requests go nowhere, and its answers are the test's.
    m_net = std::make_unique<Client::ApiNetwork>();
    Common::AbstractController::setNetwork(m_net.get());
}

void TestWidgetBoxKeys::cleanup()
{
    m_net.reset();
}

bool TestWidgetBoxKeys::showSignIn(Login &dialog)
{
    dialog.setDeleteOnClose(false);
    dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitFor([&] { return hasKeys(&dialog); }, timeLimit(5000)))
        return false;
    QTest::keyClicks(dialog.loginEdit(), "operator");
    return true;
}

void TestWidgetBoxKeys::signInBoxesHandTheDialogTheKeys_data()
{
    QTest::addColumn<bool>("serverSilent");
    QTest::addColumn<QString>("text");
    QTest::newRow("unavailable") << true << "Server unavailable";
    QTest::newRow("refused") << false << "Sign or password is incorrect";
}

void TestWidgetBoxKeys::signInBoxesHandTheDialogTheKeys()
{
    QFETCH(bool, serverSilent);
    QFETCH(QString, text);
    Login dialog(40300);
    dialog.setBusyTimeout(serverSilent ? timeLimit(300ms) : timeLimit(60000ms));
    QVERIFY(showSignIn(dialog));
    BoxSteps steps;
    steps.add(text, clickOk);
    steps.start();
    dialog.okButton()->click();
    if (!serverSilent)
        m_net->dispatchMessage("auth", "saFailed", {{"RES", "10"}});
    QTRY_VERIFY_WITH_TIMEOUT(steps.done(), timeLimit(10000));
    QVERIFY2(steps.faults().isEmpty(), qPrintable(steps.faults().join('\n')));

    QTRY_VERIFY2_WITH_TIMEOUT(hasKeys(&dialog), qPrintable("the keys are with " + keysAt()), timeLimit(5000));
    QVERIFY(dialog.isEnabled());
}

void TestWidgetBoxKeys::theBoxLeftOpenHasTheKeys_data()
{
    QTest::addColumn<bool>("overDialog");
    QTest::newRow("over the dialog") << true;
    QTest::newRow("without a parent") << false;
}

void TestWidgetBoxKeys::theBoxLeftOpenHasTheKeys()
{
    QFETCH(bool, overDialog);
    Login dialog(40300);
    QVERIFY(showSignIn(dialog));
    // A second box over the dialog, or without a parent, while one of the dialog's is open: its
    // OK hands the keys to the first, whose OK hands them to the dialog.
    QWidget *secondParent = overDialog ? &dialog : nullptr;
    BoxSteps steps;
    steps.add("First", [secondParent](QMessageBox *) {
        QTimer::singleShot(0, [secondParent] { Gui::Message::information(secondParent, "Second"); });
    });
    steps.add("Second", clickOk);
    steps.add("First", clickOk);
    steps.start();
    QTimer::singleShot(0, &dialog, [&dialog] { Gui::Message::warning(&dialog, "First"); });
    QTRY_VERIFY_WITH_TIMEOUT(steps.done(), timeLimit(20000));
    QVERIFY2(steps.faults().isEmpty(), qPrintable(steps.faults().join('\n')));

    QTRY_VERIFY2_WITH_TIMEOUT(hasKeys(&dialog), qPrintable("the keys are with " + keysAt()), timeLimit(5000));
}

void TestWidgetBoxKeys::dialogsHandTheKeysBack_data()
{
    QTest::addColumn<bool>("about");
    QTest::newRow("the server list, over the sign-in") << false;
    QTest::newRow("About, without a parent") << true;
}

void TestWidgetBoxKeys::dialogsHandTheKeysBack()
{
    QFETCH(bool, about);
    Login dialog(40300);
    QVERIFY(showSignIn(dialog));
    // Escape closes the dialog once it has the keys, typed where they are.
    bool escaped = false;
    QPointer<QWidget> closed;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &dialog, [&] {
        QWidget *open = QApplication::activeModalWidget();
        if (!open || open == &dialog || !hasKeys(open))
            return;
        poll.stop();
        escaped = true;
        closed = open;
        QTest::keyClick(open->windowHandle(), Qt::Key_Escape);
    });
    poll.start(10);
    if (about)
        QTimer::singleShot(0, &dialog, [] { Gui::Utils::showAbout(); });
    else
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.hostEditorButton()->click(); });
    QTRY_VERIFY_WITH_TIMEOUT(escaped && (!closed || !closed->isVisible()), timeLimit(10000));
    QTRY_VERIFY2_WITH_TIMEOUT(hasKeys(&dialog), qPrintable("the keys are with " + keysAt()), timeLimit(5000));
}

QTEST_MAIN(TestWidgetBoxKeys)
#include "tst_widgetboxkeys.moc"
