#include "gui/core/context.h"
#include "gui/shell/global.h"
#include "gui/style/style.h"
#include "gui/widget/dataloading.h"
#include "gui/widget/toastwindow.h"
#include "screenshot.h"
#include "shellharness.h"
#include "testglobal.h"
#include "testmainwindow.h"
#include "timelimit.h"


#include <QLabel>
#include <QMetaProperty>
#include <QPainter>
#include <QProgressBar>
#include <QtTest>

#include <memory>

// The notices over the main window, the data-loading window and the style constants pages read.
class TestToasts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void toastLooks_data();
    void toastLooks();
    void toastsStackAndNeverTakeTheFocus();
    void loadingWindow();
    void styleConstants();
    void drawnImages_data();
    void drawnImages();

private:
    std::unique_ptr<ShellHarness> m_harness;
};

void TestToasts::initTestCase()
{
    m_harness = std::make_unique<ShellHarness>();
    QVERIFY(m_harness->showFreshWindow());
    m_harness->window()->setGeometry(20, 30, 700, 520);
}

void TestToasts::cleanupTestCase()
{
    const QString problems = m_harness->problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
    m_harness.reset();
}

void TestToasts::toastLooks_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("success") << 0 << QColor("green");
    QTest::newRow("error") << 1 << QColor("red");
    QTest::newRow("any other mode") << 2 << QColor("red");
}

void TestToasts::toastLooks()
{
    QFETCH(int, mode);
    QFETCH(QColor, colour);
    Gui::ToastWindow toast("Report successfully created", mode);
    QCOMPARE(toast.size(), QSize(300, 200));
    QCOMPARE(toast.windowOpacity(), 0.0);
    QCOMPARE(toast.message(), QString("Report successfully created"));
    // Never a popup that grabs the input, never activated.
    QCOMPARE(toast.windowFlags() & Qt::WindowType_Mask, Qt::ToolTip);
    QVERIFY(toast.testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(toast.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(toast.findChild<QLabel *>()->width(), 240);
    const QImage image = toast.grab().toImage();
    QCOMPARE(image.pixelColor(10, 10), colour);

    // A workbook's path wraps at its separators: no line runs into the notice's edges.
    const QString path = "/home/operator/Documents/KorivAdminReports/driver_session_report/"
                         "20261207_16_56_43/20261207_16_56_43-d9.xlsx";
    Gui::ToastWindow saved("Report successfully created\n" + path, mode);
    QCOMPARE(saved.message(), "Report successfully created\n" + path);
    const QImage drawn = saved.grab().toImage();
    const QRect label = saved.findChild<QLabel *>()->geometry();
    QVERIFY2(inkWidth(drawn, label, colour) < label.width() - 4,
             qPrintable(QStringLiteral("text %1 wide in %2").arg(inkWidth(drawn, label, colour)).arg(label.width())));
}

void TestToasts::toastsStackAndNeverTakeTheFocus()
{
    TestMainWindow *window = m_harness->window();
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    Gui::Global *global = m_harness->global();
    QList<QPointer<Gui::ToastWindow>> toasts;
    for (const char *text : {"First", "Second", "Third"})
        toasts.append(Gui::ToastWindow::showToast(text));
    QCOMPARE(global->toastCount(), 3);
    const int right = window->x() + window->width();
    const int bottom = window->y() + window->frameGeometry().height();
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(toasts.at(i)->x(), right - 300);
        QCOMPARE(toasts.at(i)->y(), bottom - (i + 1) * 200);
        QVERIFY(toasts.at(i)->isVisible());
    }
    // The page keeps the focus while the notices show and fade in.
    QTRY_COMPARE_WITH_TIMEOUT(toasts.first()->windowOpacity(), 1.0, timeLimit(2000));
    QVERIFY(window->isActiveWindow());
    QVERIFY(!toasts.first()->isActiveWindow());

    // What a person sees: the window with its notices in the corner.
    QImage screen(window->x() + window->frameGeometry().width() + 20, bottom + 20, QImage::Format_ARGB32);
    screen.fill(QColor(40, 40, 40));
    QPainter painter(&screen);
    painter.drawImage(window->pos(), m_harness->grabMainWindow());
    for (const auto &toast : toasts) {
        QImage notice = toast->grab().toImage();
        painter.setOpacity(toast->windowOpacity());
        painter.drawImage(toast->pos(), notice);
    }
    painter.end();
    QCOMPARE(screen.pixelColor(right - 290, bottom - 390), QColor("green"));
    ShellHarness::saveScreenshot(screen, "toast-stack.png");

    // The first to finish takes the newest entry off the stack.
    QTRY_VERIFY_WITH_TIMEOUT(toasts.first().isNull(), timeLimit(4000));
    QTRY_COMPARE(global->toastCount(), 0);
    // A toast over a window of its own, which is not the active one: the window the operator is
    // in stays active.
    QWidget other;
    other.setGeometry(100, 100, 400, 300);
    other.show();
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    QPointer<Gui::ToastWindow> over = Gui::ToastWindow::showToast("Over", &other, 1);
    QCOMPARE(over->pos(), QPoint(other.x() + other.width() - 300, other.y() + other.frameGeometry().height() - 200));
    QCoreApplication::processEvents();
    QVERIFY(window->isActiveWindow());
    QTRY_VERIFY_WITH_TIMEOUT(over.isNull(), timeLimit(4000));
}

void TestToasts::loadingWindow()
{
    QPointer<Gui::DataLoading> window = new Gui::DataLoading;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window, timeLimit(5000)));
    QVERIFY(window->isModal());
    QCOMPARE(window->width(), 600);
    QCOMPARE(window->windowFlags() & Qt::WindowType_Mask, Qt::SplashScreen);
    window->setValue(0);
    QVERIFY(window->isWaiting());
    ShellHarness::saveScreenshot(window->grab().toImage(), "loading-waiting.png");
    window->setValue(35);
    QVERIFY(!window->isWaiting());
    QCOMPARE(window->progressBar()->value(), 35);
    const QImage loading = window->grab().toImage();
    ShellHarness::saveScreenshot(loading, "loading-35.png");
    window->destroy();
    QTRY_VERIFY(window.isNull());
}

void TestToasts::styleConstants()
{
    Gui::Style style;
    const QMetaObject *meta = style.metaObject();
    QCOMPARE(meta->propertyCount() - meta->propertyOffset(), 25);
    QCOMPARE(style.bgColor(), QColor("#000222"));
    QCOMPARE(style.borderColor(), QColor("gray"));
    QCOMPARE(style.scrollBarControlBorderColor1(), QColor("#000aaa"));
    QCOMPARE(style.dismatchApproveColor(), QColor("#4ca9ff"));
    QCOMPARE(style.arrowUp(), QUrl("qrc:/images/arrow-up-white.png"));
    // The drawn images on the dark background, enlarged, as a person would look them over.
    QImage sheet(6 * 140, 140, QImage::Format_ARGB32);
    sheet.fill(QColor(0x30, 0x30, 0x30));
    QPainter painter(&sheet);
    int x = 10;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QVariant value = meta->property(i).read(&style);
        if (value.type() == QVariant::Color)
            QCOMPARE(value.value<QColor>().alpha(), 255);
        if (value.type() == QVariant::Url) {
            const QImage image(value.toUrl().toString().remove("qrc"));
            QVERIFY(!image.isNull());
            painter.drawImage(QRect(QPoint(x, 10), image.size() * 4), image);
            x += 140;
        }
    }
    painter.end();
    ShellHarness::saveScreenshot(sheet, "theme-images.png");
}

void TestToasts::drawnImages_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QPoint>("solid");
    QTest::addColumn<QPoint>("clear");
    Gui::Style style;
    QTest::newRow("up") << style.arrowUp().toString() << QPoint(16, 18) << QPoint(16, 4);
    QTest::newRow("down") << style.arrowDown().toString() << QPoint(16, 14) << QPoint(16, 28);
    QTest::newRow("left") << style.arrowLeft().toString() << QPoint(18, 16) << QPoint(4, 16);
    QTest::newRow("right") << style.arrowRight().toString() << QPoint(14, 16) << QPoint(28, 16);
    QTest::newRow("horizontal handle") << style.scrollBarHandleHorizontal().toString() << QPoint(12, 6) << QPoint(0, 0);
    QTest::newRow("vertical handle") << style.scrollBarHandleVertical().toString() << QPoint(6, 12) << QPoint(0, 0);
}

void TestToasts::drawnImages()
{
    QFETCH(QString, url);
    QFETCH(QPoint, solid);
    QFETCH(QPoint, clear);
    const QImage image(QString(url).remove("qrc"));
    QVERIFY2(!image.isNull(), qPrintable(url));
    QCOMPARE(image.pixelColor(solid).alpha(), 255);
    QVERIFY(image.pixelColor(clear).alpha() < 128);
    if (url.contains("arrow"))
        QCOMPARE(image.pixelColor(solid), QColor(Qt::white));
}

QTEST_MAIN(TestToasts)
#include "tst_toasts.moc"
