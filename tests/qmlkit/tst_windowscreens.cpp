// The kit's controls take the height of the screen their own window is on. The X server has two
// screens of different heights, 1600x1000 (the primary) and 1280x720 (CMakeLists.txt starts it):
// a window moved to the other screen resizes its controls, and so do a new geometry of its screen
// and another scale factor; a control not yet in a window takes the primary screen's height.
#include "qmlengineharness.h"
#include "standinglobal.h"
#include "timelimit.h"

#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickView>
#include <QScreen>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

#include <memory>

namespace {

const char *const ControlsUrl = KORIV_QMLKIT_TEST_DIR "/ScreenControls.qml";

// The objects of that name in the item tree below root, items or not.
QList<QObject *> named(QQuickItem *root, const QString &name)
{
    QList<QObject *> found;
    for (QObject *child : root->children()) {
        if (child->objectName() == name)
            found.append(child);
    }
    for (QQuickItem *item : root->childItems())
        found += named(item, name);
    return found;
}

// What in the controls of ScreenControls.qml is not sized for that screen height and scale factor,
// empty when all is: each reads the height, and a Material button is 0.035 of it high.
QString wrongSizes(QQuickItem *controls, int screenHeight, double scale)
{
    QStringList wrong;
    for (const char *name : {"sizedButton", "sizedLabel", "sizedTabBar", "sizedMenu"}) {
        const QList<QObject *> found = named(controls, QLatin1String(name));
        if (found.isEmpty())
            wrong.append(QStringLiteral("no %1").arg(QLatin1String(name)));
        for (QObject *control : found) {
            const double read = control->property("style").value<QObject *>()->property("screenHeight").toDouble();
            if (read != screenHeight)
                wrong.append(QStringLiteral("%1 reads %2").arg(QLatin1String(name)).arg(read));
        }
    }
    const QList<QObject *> buttons = named(controls, QStringLiteral("sizedButton"));
    const double button = buttons.isEmpty() ? 0 : buttons.first()->property("implicitHeight").toDouble();
    if (!qFuzzyCompare(button, screenHeight * 0.035 * scale))
        wrong.append(QStringLiteral("the button %1 high").arg(button));
    return wrong.join(QStringLiteral("; "));
}

} // namespace

class TestWindowScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void controlsFollowTheirWindowsScreen();

private:
    std::unique_ptr<QQuickView> openOn(QScreen *screen);

    std::unique_ptr<QmlEngineHarness> m_harness;
};

void TestWindowScreens::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    const QList<QScreen *> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    QCOMPARE(QGuiApplication::primaryScreen(), screens.at(0));
    QCOMPARE(screens.at(0)->geometry().height(), 1000);
    QCOMPARE(screens.at(1)->geometry().height(), 720);
    m_harness = std::make_unique<QmlEngineHarness>();
}

void TestWindowScreens::cleanup()
{
    const QStringList unexpected = m_harness->messages().takeUnexpected();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
}

std::unique_ptr<QQuickView> TestWindowScreens::openOn(QScreen *screen)
{
    auto view = std::make_unique<QQuickView>(&m_harness->engine(), nullptr);
    view->setScreen(screen);
    view->setSource(QUrl::fromLocalFile(QString::fromUtf8(ControlsUrl)));
    if (!view->rootObject())
        return nullptr;
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get(), timeLimit(5000)))
        return nullptr;
    return view;
}

void TestWindowScreens::controlsFollowTheirWindowsScreen()
{
    QScreen *first = QGuiApplication::screens().at(0);
    QScreen *second = QGuiApplication::screens().at(1);
    std::unique_ptr<QQuickView> tall = openOn(first);
    std::unique_ptr<QQuickView> low = openOn(second);
    QVERIFY(tall && low);
    QCOMPARE(low->screen(), second);
    QCOMPARE(wrongSizes(tall->rootObject(), 1000, 1.0), QString());
    QCOMPARE(wrongSizes(low->rootObject(), 720, 1.0), QString());

    // Made apart from any window, then placed in one and taken out again: the primary screen's
    // height, then the window's, which it keeps (controls being torn down stay as they are).
    QQmlComponent component(&m_harness->engine(), QUrl::fromLocalFile(QString::fromUtf8(ControlsUrl)));
    std::unique_ptr<QQuickItem> loose(qobject_cast<QQuickItem *>(component.create()));
    QVERIFY2(loose, qPrintable(component.errorString()));
    QCOMPARE(wrongSizes(loose.get(), 1000, 1.0), QString());
    loose->setParentItem(low->contentItem());
    QCOMPARE(wrongSizes(loose.get(), 720, 1.0), QString());
    loose->setParentItem(nullptr);
    QCOMPARE(wrongSizes(loose.get(), 720, 1.0), QString());

    // A window moved to the other screen, each way.
    low->setScreen(first);
    QTRY_COMPARE_WITH_TIMEOUT(wrongSizes(low->rootObject(), 1000, 1.0), QString(), timeLimit(5000));
    tall->setScreen(second);
    QTRY_COMPARE_WITH_TIMEOUT(wrongSizes(tall->rootObject(), 720, 1.0), QString(), timeLimit(5000));
    QCOMPARE(wrongSizes(low->rootObject(), 1000, 1.0), QString());

    // Another scale factor resizes every window at once.
    m_harness->standins().global()->setScaleFactor(1.5);
    QCOMPARE(wrongSizes(tall->rootObject(), 720, 1.5), QString());
    QCOMPARE(wrongSizes(low->rootObject(), 1000, 1.5), QString());
    m_harness->standins().global()->setScaleFactor(1.0);

    // The second screen's geometry changes, as the window system tells of a new resolution: only
    // the window on it follows.
    const QRect geometry = second->geometry();
    QWindowSystemInterface::handleScreenGeometryChange(second, QRect(geometry.topLeft(), QSize(1280, 800)),
                                                       QRect(geometry.topLeft(), QSize(1280, 800)));
    QTRY_COMPARE_WITH_TIMEOUT(wrongSizes(tall->rootObject(), 800, 1.0), QString(), timeLimit(5000));
    QCOMPARE(wrongSizes(low->rootObject(), 1000, 1.0), QString());
    QWindowSystemInterface::handleScreenGeometryChange(second, geometry, geometry);
    QTRY_COMPARE_WITH_TIMEOUT(wrongSizes(tall->rootObject(), 720, 1.0), QString(), timeLimit(5000));
}

QTEST_MAIN(TestWindowScreens)
#include "tst_windowscreens.moc"
