// What a person sees: a list page and an editor over real controllers, rendered offscreen to
// PNG files under the build folder and checked at known points.
#include "kittypes.h"
#include "qmlengineharness.h"
#include "scriptednetwork.h"
#include "standinglobal.h"
#include "timelimit.h"
#include "windowimage.h"

#include <QQmlAbstractUrlInterceptor>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>

namespace {
QVariantMap driver(int i)
{
    static const QStringList brands = {"Skoda", "Kia", "Renault", "Toyota", "Ford"};
    static const QStringList names = {"Shevchenko", "Kovalenko", "Bondarenko", "Tkachenko", "Kravchenko"};
    return {{"id", QString::number(i)}, {"sign", QStringLiteral("D%1").arg(100 + i)},
            {"last_name", names.at(i % names.size())}, {"phone", QStringLiteral("+38050%1").arg(1000000 + i * 7919)},
            {"brand_name", brands.at(i % brands.size())}, {"rating", QString::number(3 + (i % 20) / 10.0)},
            {"color_rgb_code", i % 2 ? "#c03030" : "#3050c0"}, {"is_archived", i % 3 ? "0" : "1"},
            {"rst_id_user_locked", i == 4 ? "11" : "1"},
            {"dt_utc_insert", QString::number(1715600000000LL + i * 3600000LL)},
            {"dt_utc_last_update", QString::number(1715680000000LL + i * 60000LL)}};
}

// The rectangle of an item in the window.
QRect sceneRect(QQuickItem *item)
{
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height())).toAlignedRect();
}
} // namespace

class TestKitRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void tablePage();
    void editor();

private:
    void show(QQuickView &view, const QString &page, const QVariantMap &properties, const QSize &size);
    void load(QObject *controller, int count);

    QScopedPointer<QmlEngineHarness> m_harness;
    QScopedPointer<ScriptedNetwork> m_net;
};

void TestKitRender::initTestCase()
{
    registerKitTypes();
    m_harness.reset(new QmlEngineHarness);
    // The kit's files resolve to their Material variants before anything has imported
    // QtQuick.Controls 2 (which adds that selector only then): the first page looks as any later.
    const QUrl plain(QStringLiteral("qrc:/qml/components/base/TableViewExStyleBase.qml"));
    QCOMPARE(m_harness->engine().urlInterceptor()->intercept(plain, QQmlAbstractUrlInterceptor::QmlFile),
             QUrl(QStringLiteral("qrc:/qml/components/base/+material/TableViewExStyleBase.qml")));
    m_net.reset(new ScriptedNetwork);
    m_net->grantRead(QStringLiteral("driver"));
    QMetaObject::invokeMethod(m_harness->standins().global()->user()->property("originalModel").value<QObject *>(),
                              "addRow", Q_ARG(QVariantMap, QVariantMap({{"id", "11"}, {"sign", "petro"}})));
    // The offscreen screen is 600 pixels high: scaled as a 1080 pixel screen at scale 1.0.
    m_harness->standins().global()->setScaleFactor(1.8);
    QDir().mkpath(QStringLiteral(KORIV_RENDER_DIR));
}

void TestKitRender::cleanup()
{
    const QStringList unexpected = m_harness->messages().takeUnexpected();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
}

void TestKitRender::show(QQuickView &view, const QString &page, const QVariantMap &properties, const QSize &size)
{
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.setInitialProperties(properties);
    view.resize(size);
    view.setSource(QUrl::fromLocalFile(QStringLiteral(KORIV_QMLKIT_TEST_DIR "/pages/") + page));
    QVERIFY2(view.rootObject(), qPrintable(page));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view, timeLimit(5000)));
}

void TestKitRender::load(QObject *controller, int count)
{
    const QString name = controller->property("name").toString();
    const QString receiver = controller->property("objectNumber").toString();
    m_net->answer(name, "saGetList", {{"STATE", "start"}, {"RES", "10"}, {"RECEIVER", receiver}});
    for (int i = 1; i <= count; ++i) {
        QVariantMap row = driver(i);
        row.insert("RECEIVER", receiver);
        m_net->answer(name, "saListInfo", row);
    }
    m_net->answer(name, "saGetList", {{"STATE", "end"}, {"RES", "10"}, {"RECEIVER", receiver}});
}

void TestKitRender::tablePage()
{
    QQuickView view(&m_harness->engine(), nullptr);
    show(view, "DriverTable.qml", {{"objectsSettingName", "qrc:/qml/driver/driver/DriverTable.qml"}}, {1100, 520});
    QObject *page = view.rootObject();
    load(page->property("drivers").value<QObject *>(), 40);
    QQuickItem *table = page->property("view").value<QQuickItem *>();
    QTRY_COMPARE(table->property("rowCount").toInt(), 40);
    QMetaObject::invokeMethod(table, "selectRowById", Q_ARG(QVariant, "3"));
    // The selected row (id 3, the third) in the selection colour somewhere along its height, once
    // the scene graph has drawn the selection.
    const QRect viewRect = sceneRect(table);
    QImage image;
    const auto selectedRowShows = [&] {
        image = grabView(view);
        return !image.isNull()
            && holdsColour(image, QRect(viewRect.left() + 2, viewRect.top() + 38, 4, 80),
                           [](const QColor &c) { return qAbs(c.red() - 0x50) < 12 && qAbs(c.blue() - 0xda) < 12; });
    };
    QTRY_VERIFY2_WITH_TIMEOUT(selectedRowShows(), "the selected row shows", timeLimit(10000));
    QVERIFY(image.save(QStringLiteral(KORIV_RENDER_DIR "/table-page.png")));

    // The header's dark ground above the rows.
    const QColor header = image.pixelColor(viewRect.left() + 30, viewRect.top() + 5);
    QVERIFY2(header.lightness() < 40, qPrintable(header.name()));
    // The archived drivers' green ticks.
    QVERIFY2(holdsColour(image, viewRect, [](const QColor &c) { return c.green() > 180 && c.red() > 100 && c.red() < 180 && c.blue() < 160; }),
             "a light green tick");
    // The lock of the record that user 11 holds.
    QVERIFY2(holdsColour(image, viewRect, [](const QColor &c) { return c.red() > 200 && c.green() > 150 && c.blue() < 80; }),
             "the golden lock");
}

void TestKitRender::editor()
{
    QQuickView view(&m_harness->engine(), nullptr);
    show(view, "DriverEditor.qml", {{"id", "5"}, {"state", "EDIT"}, {"isWindow", false},
                                    {"objectsSettingName", "qrc:/qml/driver/driver/DriverEditor.qml"}}, {700, 520});
    QObject *editor = view.rootObject();
    QObject *controller = editor->property("controller").value<QObject *>();
    QVariantMap record = driver(5);
    record.insert("RES", "10");
    record.insert("RECEIVER", controller->property("objectNumber"));
    record.insert("inner_note", "Works nights; keys at the office.");
    m_net->answer("driver", "saInfo", record);
    QCOMPARE(editor->property("title").toString(), QStringLiteral(" Shevchenko (5)"));
    QObject *lastName = editor->findChild<QObject *>(QStringLiteral("lastName"));
    QVERIFY(lastName);
    lastName->setProperty("text", "Shevchenko-Melnyk");
    QVERIFY(editor->property("isDirty").toBool());
    // Apply is green while there is something to save, once the scene graph has drawn it.
    QQuickItem *apply = editor->findChild<QQuickItem *>(QStringLiteral("applyButton"));
    QVERIFY(apply);
    QImage image;
    const auto applyIsGreen = [&] {
        image = grabView(view);
        return !image.isNull()
            && holdsColour(image, sceneRect(apply), [](const QColor &c) { return c.green() > 100 && c.red() < 60 && c.blue() < 60; });
    };
    QTRY_VERIFY2_WITH_TIMEOUT(applyIsGreen(), "the green Apply button", timeLimit(10000));
    QVERIFY(image.save(QStringLiteral(KORIV_RENDER_DIR "/editor.png")));

    // The page's dark ground under the fields.
    QVERIFY(image.pixelColor(image.width() - 5, image.height() / 2).lightness() < 80);
}

QTEST_MAIN(TestKitRender)
#include "tst_kitrender.moc"
