// Every QML file of the page kit loads without a warning and draws its icons, every icon that
// any QML file asks for has a face that draws it, and a sample page looks right.
#include "drawnglyphs.h"
#include "qmlengineharness.h"
#include "standinglobal.h"
#include "textformatscan.h"
#include "windowimage.h"

#include <QDirIterator>
#include <QQmlComponent>
#include <QRegularExpression>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>

#include <memory>

namespace {
// A window that tells how many connections its screen's, size's and state's signals have.
class CountingView : public QQuickView
{
public:
    using QQuickView::QQuickView;

    int watchers() const
    {
        return receivers(SIGNAL(screenChanged(QScreen*))) + receivers(SIGNAL(widthChanged(int)))
            + receivers(SIGNAL(heightChanged(int))) + receivers(SIGNAL(visibilityChanged(QWindow::Visibility)))
            + receivers(SIGNAL(activeChanged())) + receivers(SIGNAL(activeFocusItemChanged()));
    }
};

double overlayOpacity(QObject *frame)
{
    QObject *area = frame->property("contentArea").value<QObject *>();
    for (QObject *child : area->children()) {
        if (child->property("z").toReal() == 1000)
            return child->property("opacity").toReal();
    }
    return -1;
}
} // namespace

class TestQmlKitFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void everyFileLoads_data();
    void everyFileLoads();
    void everyIconHasItsFace();
    void textsDrawnAsText();
    void screenReadOnce();
    void samplePage();

private:
    QScopedPointer<QmlEngineHarness> m_harness;
};

void TestQmlKitFiles::initTestCase()
{
    m_harness.reset(new QmlEngineHarness);
}

void TestQmlKitFiles::cleanup()
{
    const QStringList unexpected = m_harness->messages().takeUnexpected();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
    const QStringList missing = m_harness->messages().takeMissing();
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("never seen: ") + missing.join(QLatin1String(", "))));
}

void TestQmlKitFiles::everyFileLoads_data()
{
    QTest::addColumn<QString>("path");
    // The files of the source tree, so that a file missing from the resources fails too.
    const QDir root(QStringLiteral(KORIV_QML_SOURCE_DIR));
    QDirIterator it(root.path(), {QStringLiteral("*.qml")}, QDir::Files, QDirIterator::Subdirectories);
    QStringList paths;
    while (it.hasNext())
        paths.append(root.relativeFilePath(it.next()));
    paths.sort();
    QVERIFY(paths.size() > 60);
    for (const QString &path : paths) {
        // The browser view starts the browser engine; table styles, header sections and cell
        // delegates are made by a table view, which gives them their styleData. Their own tests
        // make them.
        // The domain pages need the application's types: the page test bed opens them.
        if (!path.startsWith(QLatin1String("components/")))
            continue;
        if (path.endsWith(QLatin1String("WebEngineViewExView.qml"))
            || path.endsWith(QLatin1String("TableViewExStyleBase.qml"))
            || path.startsWith(QLatin1String("components/styles/"))
            || path.startsWith(QLatin1String("components/table/delegates/"))
            || path.endsWith(QLatin1String("TableListViewRow.qml")))
            continue;
        QTest::newRow(qPrintable(path)) << path;
    }
}

void TestQmlKitFiles::everyFileLoads()
{
    QFETCH(QString, path);
    // A "+material" file is what the selector loads for its plain path under this style.
    const QString resource = QStringLiteral("qrc:/qml/") + QString(path).remove(QStringLiteral("+material/"));
    QVERIFY2(QFile::exists(QStringLiteral(":/qml/") + path), "not in the resources");
    QObject *object = m_harness->create(QUrl(resource));
    QVERIFY2(object, qPrintable(resource));
    const QStringList boxes = missingGlyphs(object);
    delete object;
    QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join(QLatin1Char('\n'))));
}

namespace {

// The text of every QML and script file of the source tree, by its path below the QML folder.
QHash<QString, QString> qmlSources()
{
    QHash<QString, QString> sources;
    const QDir root(QStringLiteral(KORIV_QML_SOURCE_DIR));
    QDirIterator it(root.path(), {QStringLiteral("*.qml"), QStringLiteral("*.js")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            sources.insert(root.relativeFilePath(file.fileName()), QString::fromUtf8(file.readAll()));
    }
    return sources;
}

} // namespace

void TestQmlKitFiles::everyIconHasItsFace()
{
    const QHash<QString, QString> sources = qmlSources();
    QVERIFY(sources.size() > 100);
    const QString table = QStringLiteral("js/fontawesome.js");
    const QString label = QStringLiteral("components/LabelIcon.qml");
    QVERIFY(sources.contains(table) && sources.contains(label));

    // The names of the glyph table that the files use, and the files that would draw glyphs past
    // the kit's icon label: a code point written out, or the icon font named as a font.
    const QRegularExpression use(QStringLiteral("FontAwesome\\.([A-Za-z_]\\w*)"));
    const QRegularExpression codePoint(QStringLiteral("\\\\u[eEfF][0-9a-fA-F]{3}"));
    const QRegularExpression family(QStringLiteral("(font\\.family|\\bfamily)\\s*:\\s*(\"Font Awesome|FontAwesome\\.Family)"));
    QMap<QString, QStringList> users;
    QStringList bypasses;
    for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
        for (auto match = use.globalMatch(it.value()); match.hasNext();)
            users[match.next().captured(1)].append(it.key());
        if (it.key() != table && codePoint.match(it.value()).hasMatch())
            bypasses.append(it.key() + QStringLiteral(": a glyph by its code point"));
        if (it.key() != label && family.match(it.value()).hasMatch())
            bypasses.append(it.key() + QStringLiteral(": names the icon font"));
    }
    QVERIFY2(bypasses.isEmpty(), qPrintable(bypasses.join(QLatin1Char('\n'))));
    QVERIFY(users.contains(QStringLiteral("Check")) && users.contains(QStringLiteral("Download")));

    // Each glyph drawn by the kit's icon label, as a page asks for it: plain and bold.
    QQmlComponent icon(&m_harness->engine());
    icon.setData("import QtQuick 2.15\n"
                 "import \"qrc:/qml/components\"\n"
                 "import \"qrc:/qml/js/fontawesome.js\" as FontAwesome\n"
                 "LabelIcon { property string name; glyph: typeof FontAwesome[name] === \"string\" "
                 "? FontAwesome[name] : \"\" }",
                 QUrl(QStringLiteral("qrc:/qml/IconProbe.qml")));
    QVERIFY2(icon.isReady(), qPrintable(icon.errorString()));
    QStringList problems;
    for (auto it = users.cbegin(); it != users.cend(); ++it) {
        if (it.key() == QLatin1String("Family") || it.key() == QLatin1String("isSolid"))
            continue;
        const QString where = it.key() + QStringLiteral(" (") + it.value().first() + QLatin1Char(')');
        for (bool bold : {false, true}) {
            std::unique_ptr<QObject> probe(icon.createWithInitialProperties({{"name", it.key()}, {"bold", bold}}));
            QVERIFY(probe);
            const QString glyph = probe->property("glyph").toString();
            if (glyph.size() != 1) {
                problems.append(where + QStringLiteral(": no glyph of that name"));
                break;
            }
            for (const QString &box : missingGlyphs(probe.get()))
                problems.append(where + (bold ? QStringLiteral(" bold: ") : QStringLiteral(": ")) + box);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestQmlKitFiles::textsDrawnAsText()
{
    // The only rich texts: the program's own row count and shortcut hints.
    QStringList allowed{QStringLiteral("components/table/TableContainer.qml: RichText"),
                        QStringLiteral("components/toolbuttons/ToolButtonBase.qml: RichText")};
    const QHash<QString, QString> sources = qmlSources();
    QStringList unexpected;
    int files = 0;
    for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
        if (!it.key().endsWith(QLatin1String(".qml")))
            continue;
        ++files;
        for (const QString &finding : TextFormatScan::findings(it.value())) {
            const QString what = it.key() + QStringLiteral(": ") + finding.section(QStringLiteral(": "), 1);
            if (!allowed.removeOne(what))
                unexpected.append(it.key() + QLatin1Char(':') + finding);
        }
    }
    QVERIFY(files > 200);
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
    QVERIFY2(allowed.isEmpty(), qPrintable(QStringLiteral("no longer rich: ") + allowed.join(QLatin1String(", "))));
}

void TestQmlKitFiles::screenReadOnce()
{
    // A Screen attached to every control connects each to the screen's signals, and closing a
    // window then costs in proportion to all the controls open: the controls share one source.
    const QRegularExpression attached(QStringLiteral("\\bScreen\\.\\w"));
    const QHash<QString, QString> sources = qmlSources();
    QStringList found;
    int controls = 0;
    for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
        if (!it.key().startsWith(QLatin1String("components/base/")))
            continue;
        ++controls;
        if (attached.match(it.value()).hasMatch())
            found.append(it.key());
    }
    QVERIFY(controls > 40);
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("a Screen attached: ") + found.join(QLatin1String(", "))));

    // However the controls read it: forty sets of controls in a window watch the window as much
    // as one set does.
    const auto watchers = [this](int sets) {
        CountingView view(&m_harness->engine(), nullptr);
        view.setInitialProperties({{QStringLiteral("sets"), sets}});
        view.setSource(QUrl::fromLocalFile(QStringLiteral(KORIV_QMLKIT_TEST_DIR "/ScreenControls.qml")));
        return view.rootObject() ? view.watchers() : -1;
    };
    const int one = watchers(1);
    QVERIFY(one >= 0);
    QCOMPARE(watchers(40), one);
}

void TestQmlKitFiles::samplePage()
{
    // The offscreen screen is 600 pixels high: scaled as a 1080 pixel screen at scale 1.0.
    m_harness->standins().global()->setScaleFactor(1.8);
    QQuickView view(&m_harness->engine(), nullptr);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.resize(1000, 700);
    view.setSource(QUrl::fromLocalFile(QStringLiteral(KORIV_QMLKIT_TEST_DIR "/SamplePage.qml")));
    QVERIFY(view.rootObject());
    QSignalSpy swapped(&view, &QQuickWindow::frameSwapped);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view, timeLimit(5000)));
    QTRY_VERIFY(swapped.count() > 0);

    QImage image = grabView(view);
    QVERIFY2(!image.isNull(), "the window renders");
    QDir().mkpath(QStringLiteral(KORIV_RENDER_DIR));
    QVERIFY(image.save(QStringLiteral(KORIV_RENDER_DIR "/sample-page.png")));

    // The dark theme's page background below the controls.
    const QColor background = image.pixelColor(500, 680);
    QVERIFY2(background.lightness() < 80, qPrintable(background.name()));
    // The tool bar's add button: the green of its glyph somewhere in its top left corner.
    QQuickItem *add = view.rootObject()->findChild<QQuickItem *>(QStringLiteral("addButton"));
    QVERIFY(add);
    const QRect addRect = add->mapRectToScene(QRectF(0, 0, add->width(), add->height())).toAlignedRect();
    QVERIFY2(holdsColour(image, addRect, [](const QColor &c) { return c.green() > 90 && c.red() < 60 && c.blue() < 60; }),
             "the add button shows its green glyph");

    // Busy: after the delay the overlay darkens the page.
    QObject *frame = view.rootObject();
    const QPoint probe(500, 680);
    frame->setProperty("busyDelay", 0);
    QMetaObject::invokeMethod(frame, "startBusy");
    QTRY_VERIFY(frame->property("isBusy").toBool());
    const int before = image.pixelColor(probe).lightness();
    QTRY_VERIFY2(grabView(view).pixelColor(probe).lightness() < before, "the overlay darkens the page");
    QTRY_COMPARE(overlayOpacity(frame), 0.5);
    grabView(view).save(QStringLiteral(KORIV_RENDER_DIR "/sample-page-busy.png"));
}

QTEST_MAIN(TestQmlKitFiles)
#include "tst_qmlkitfiles.moc"
