#include "client/controller/desktopcontroller.h"
#include "client/controller/usersession.h"
#include "client/net/apinetwork.h"
#include "client/utils/desktoputils.h"
#include "client/utils/imageproviderwrapper.h"
#include "client/utils/photoimageprovider.h"
#include "common/core/singleton/spsingleton.h"
#include "messagecatcher.h"
#include "openedurls.h"
#include "peakmemory.h"
#include "testimages.h"
#include "model/base/abstractmodel.h"
#include "xlsxtesthelpers.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtTest>
#include <QtEndian>

#include <zlib.h>

using Client::DesktopUtils;

namespace {

// A table with a column of every kind the export treats apart.
class ExportCatalogue : public Model::AbstractModel
{
public:
    ExportCatalogue()
    {
        declareColumn("name", Model::SQL_TEXT, true, QVariant(), "Name");
        declareColumn("note", Model::SQL_VARCHAR, false, QVariant(), "Note");
        declareColumn("count", Model::SQL_INTEGER, true, 0, "Count");
        declareColumn("big", Model::SQL_BIGINTEGER, true, 0, "Big");
        declareColumn("price", Model::SQL_DOUBLE, true, 0, "Price");
        declareColumn("waited", Model::SQL_BIGINTEGER, true, 0, "Waited", Model::DURATION);
        declareColumn("shift", Model::SQL_INTEGER, true, 0, "Shift", Model::HOUR_DURATION);
    }
    QString tableName() const override { return QStringLiteral("export_rows"); }
};

class ExportController : public Client::Controller::DesktopController
{
public:
    ExportController() { useOwnModel<ExportCatalogue>(); }
    QString name() const override { return QStringLiteral("exportRows"); }
};

QByteArray pngChunk(const char *type, const QByteArray &data)
{
    QByteArray chunk(4, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    const QByteArray body = QByteArray(type) + data;
    QByteArray crc(4, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))),
                          crc.data());
    return chunk + body + crc;
}

// A gray PNG of that size, all black: a few hundred KiB that declare width x height bytes of
// pixels. Compressed a row at a time, never held whole.
QByteArray pngBomb(int width, int height)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(quint32(width), header.data());
    qToBigEndian<quint32>(quint32(height), header.data() + 4);
    header[8] = 8; // bits per sample; colour type 0 (gray), the rest 0
    const QByteArray row(width + 1, '\0'); // filter byte, then the pixels
    QByteArray idat;
    z_stream stream{};
    deflateInit(&stream, Z_BEST_COMPRESSION);
    char out[65536];
    for (int y = 0; y < height; ++y) {
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(row.constData()));
        stream.avail_in = uInt(row.size());
        const int flush = y + 1 == height ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(out);
            stream.avail_out = sizeof out;
            deflate(&stream, flush);
            idat.append(out, int(sizeof out - stream.avail_out));
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", idat)
        + pngChunk("IEND", QByteArray());
}

QVariantList columns(const QStringList &roles)
{
    QVariantList list;
    for (const QString &role : roles)
        list.append(QVariantMap{{"title", role.toUpper()}, {"role", role}, {"width", 100}});
    return list;
}

} // namespace

// The desktop utilities of pages: table export, files and folders, cursor, clipboard, images.
class TestDesktopUtils : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exportedCells_data();
    void exportedCells();
    void exportFilesAndFailures();
    void nonFiniteNumbersAndUnopenedFiles();
    void overlongTextsAreCutNotTheTableLost();
    void overlongTextsKeepMarksWithTheirLetter();
    void compareVersions_data();
    void compareVersions();
    void cursorStaysBalanced();
    void folderSize();
    void folderRemoval_data();
    void folderRemoval();
    void filesAndBase64();
    void qmlLookups();
    void photos();

private:
    QString exportOnce(const QStringList &roles, const QString &exportName = QString());

    std::unique_ptr<Client::ApiNetwork> m_net;
    std::unique_ptr<ExportController> m_controller;
    QTemporaryDir m_dir{QDir::tempPath() + "/koriv #50% export-XXXXXX"};
    DesktopUtils m_utils;
    // What the export asks the desktop to open.
    OpenedUrls m_opener{QStringLiteral("file")};
    QJsonObject m_dump;
};

void TestDesktopUtils::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_net = std::make_unique<Client::ApiNetwork>();
    Common::AbstractController::setNetwork(m_net.get());
    SpSingleton<Client::Controller::UserSession>::instance()->handleMessage(
        "saOpen", {{"RES", "10"}, {"utc_offset", "180"}, {"utc_dt", "1700000000000"}});
    m_utils.setExportDir(m_dir.filePath("exports"));
    m_controller = std::make_unique<ExportController>();
    auto *rows = m_controller->originalModel();
    rows->addRow({{"id", "9007199254740993"}, {"name", "=SUM(A1:A2)"}, {"count", "12"},
                  {"big", "9007199254740993"}, {"price", "2.5"}, {"waited", "3723000"}, {"shift", "5400000"},
                  {"dt_utc_insert", "1700000000000"}, {"note", "http://example.com/x"}, {"extra", "x"}});
    rows->addRow({{"id", "7"}, {"name", "+380 (50) 123"}, {"count", ""}, {"big", "-3000000000"}, {"price", ""},
                  {"waited", ""}, {"shift", "0"}, {"dt_utc_insert", ""}, {"note", "7"}, {"extra", "x"}});
    rows->addRow({{"id", "5"}, {"name", "hidden"}});
    m_controller->proxyModel()->setHardFilterRole("name", "!=", "hidden");
    m_controller->proxyModel()->sortRows("id", Qt::AscendingOrder);
    const QString path = exportOnce({"id", "name", "count", "big", "price", "waited", "shift", "dt_utc_insert",
                                     "note", "extra"});
    QVERIFY(!path.isEmpty());
    QString error;
    m_dump = XlsxTest::dump(path, &error);
    QVERIFY2(!m_dump.isEmpty(), qPrintable(error));
}

QString TestDesktopUtils::exportOnce(const QStringList &roles, const QString &exportName)
{
    const int before = m_opener.urls.size();
    QVariantMap table{{"controller", QVariant::fromValue<QObject *>(m_controller.get())}, {"table", columns(roles)}};
    if (!exportName.isEmpty())
        table.insert("exportName", exportName);
    if (!m_utils.writeToExcel(table).value("written").toBool() || m_opener.urls.size() != before + 1)
        return QString();
    return m_opener.urls.last().toLocalFile();
}

void TestDesktopUtils::exportedCells_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("type");
    // Row 2 holds id 7, row 3 the record with the large id (ascending id order of the view).
    QTest::newRow("header") << "B1" << QVariant("NAME") << "s";
    QTest::newRow("64-bit id exact") << "A3" << QVariant("9007199254740993") << "n";
    QTest::newRow("formula text stays text") << "B3" << QVariant("=SUM(A1:A2)") << "s";
    QTest::newRow("phone stays text") << "B2" << QVariant("+380 (50) 123") << "s";
    QTest::newRow("integer") << "C3" << QVariant(12) << "n";
    QTest::newRow("empty integer is blank") << "C2" << QVariant() << "n";
    QTest::newRow("negative 64-bit") << "D2" << QVariant(-3000000000LL) << "n";
    QTest::newRow("double") << "E3" << QVariant(2.5) << "n";
    QTest::newRow("duration") << "F3" << QVariant("01:02:03") << "s";
    QTest::newRow("empty duration is blank") << "F2" << QVariant() << "n";
    QTest::newRow("hour duration") << "G3" << QVariant("1:30:00") << "s";
    QTest::newRow("date at the user's offset") << "H3" << QVariant("15 Nov 2023, 01:13") << "s";
    QTest::newRow("empty date is blank") << "H2" << QVariant() << "n";
    QTest::newRow("link text stays text") << "I3" << QVariant("http://example.com/x") << "s";
    QTest::newRow("digits of a text column stay text") << "I2" << QVariant("7") << "s";
    QTest::newRow("a key outside the catalogue is blank") << "J3" << QVariant() << "n";
    QTest::newRow("filtered row not written") << "A4" << QVariant() << "";
    QTest::newRow("filtered row not written, text") << "B4" << QVariant() << "";
}

void TestDesktopUtils::exportedCells()
{
    QFETCH(QString, cell);
    QFETCH(QVariant, value);
    QFETCH(QString, type);
    const QJsonObject found = XlsxTest::cell(m_dump, "Sheet1", cell);
    if (!value.isValid()) {
        // A blank cell holds nothing: no value, no text.
        QVERIFY(found.value("v").isNull() || found.value("v").isUndefined());
        return;
    }
    QCOMPARE(found.value("v").toVariant(), value);
    QCOMPARE(found.value("t").toString(), type);
    // The header row: bold white text on solid blue.
    const bool header = cell.endsWith('1') && cell.size() == 2;
    QCOMPARE(found.value("b").toBool(), header);
    if (header) {
        QCOMPARE(found.value("color").toString(), QString("FFFFFFFF"));
        QCOMPARE(found.value("fill").toString(), QString("solid"));
        QCOMPARE(found.value("fg").toString(), QString("FF0000FF"));
    }
}

void TestDesktopUtils::exportFilesAndFailures()
{
    // Two exports in the same second never share a file; the name starts with the export name.
    const QString first = exportOnce({"id"});
    const QString second = exportOnce({"id"});
    QVERIFY(!first.isEmpty() && !second.isEmpty());
    QVERIFY(first != second);
    QVERIFY(QFileInfo::exists(first) && QFileInfo::exists(second));
    QVERIFY(QFileInfo(first).fileName().startsWith("_"));
    QCOMPARE(QFileInfo(first).absolutePath(), m_dir.filePath("exports/tables"));
    const QString named = exportOnce({"id"}, "drivers");
    QVERIFY(QFileInfo(named).fileName().startsWith("drivers_"));
    QCOMPARE(QFileInfo(named).absolutePath(), m_dir.filePath("exports/tables/drivers"));

    // An empty view writes the header alone.
    m_controller->proxyModel()->setFilterPattern("no such text");
    QString error;
    const QJsonObject empty = XlsxTest::dump(exportOnce({"id", "name"}), &error);
    m_controller->proxyModel()->setFilterPattern("");
    QCOMPARE(XlsxTest::sheet(empty, "Sheet1").value("max_row").toInt(), 1);

    // A failed save is reported, and nothing is opened.
    QFile blocker(m_dir.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    DesktopUtils broken;
    broken.setExportDir(m_dir.filePath("blocker/exports"));
    MessageCatcher log;
    const int opened = m_opener.urls.size();
    const QVariantMap failed = broken.writeToExcel({{"controller", QVariant::fromValue<QObject *>(m_controller.get())},
                                                    {"table", columns({"id"})}});
    QCOMPARE(failed.value("written").toBool(), false);
    QVERIFY2(failed.value("error").toString().contains("could not be saved"), qPrintable(failed.value("error").toString()));
    QCOMPARE(m_opener.urls.size(), opened);
    QCOMPARE(log.count("Table export failed"), 1);
    QVERIFY(!broken.writeToExcel({{"table", columns({"id"})}}).value("error").toString().isEmpty());
}

void TestDesktopUtils::nonFiniteNumbersAndUnopenedFiles()
{
    // NaN and the infinities of a number column: the table is written all the same, each such
    // value as the text that names it; a text that is no number stays that text.
    ExportController controller;
    controller.originalModel()->addRow({{"id", "1"}, {"price", "NaN"}, {"count", "3"}});
    controller.originalModel()->addRow({{"id", "2"}, {"price", "inf"}, {"count", "1.5"}});
    controller.originalModel()->addRow({{"id", "3"}, {"price", "-inf"}, {"count", "4"}});
    controller.originalModel()->addRow({{"id", "4"}, {"price", "Infinity"}, {"count", "5"}});
    controller.originalModel()->addRow({{"id", "5"}, {"price", "2.5"}, {"count", "6"}});
    controller.proxyModel()->sortRows("id", Qt::AscendingOrder);
    const QVariantMap table{{"controller", QVariant::fromValue<QObject *>(&controller)},
                            {"table", columns({"id", "price", "count"})}};
    const QVariantMap result = m_utils.writeToExcel(table);
    QVERIFY2(result.value("written").toBool(), qPrintable(result.value("error").toString()));
    QVERIFY(result.value("opened").toBool());
    QString error;
    const QJsonObject dump = XlsxTest::dump(result.value("path").toString(), &error);
    QVERIFY2(!dump.isEmpty(), qPrintable(error));
    const auto cell = [&dump](const char *name) { return XlsxTest::cell(dump, "Sheet1", name); };
    const QStringList texts{"NaN", "Infinity", "-Infinity", "Infinity"};
    for (int row = 2; row <= 5; ++row) {
        const QJsonObject price = cell(qPrintable(QStringLiteral("B%1").arg(row)));
        QCOMPARE(price.value("v").toString(), texts.at(row - 2));
        QCOMPARE(price.value("t").toString(), QString("s"));
    }
    QCOMPARE(cell("B6").value("v").toDouble(), 2.5);
    QCOMPARE(cell("C3").value("v").toString(), QString("1.5"));
    QCOMPARE(cell("C6").value("v").toInt(), 6);

    // A workbook the desktop does not open is still written, and the page is told so.
    DesktopUtils unopened;
    unopened.setExportDir(m_dir.filePath("unopened"));
    unopened.setUrlOpener([](const QUrl &) { return false; });
    const QVariantMap kept = unopened.writeToExcel(table);
    QVERIFY(kept.value("written").toBool());
    QCOMPARE(kept.value("opened").toBool(), false);
    QVERIFY(QFileInfo::exists(kept.value("path").toString()));
    QVERIFY(kept.value("path").toString().startsWith(QDir::toNativeSeparators(m_dir.filePath("unopened/tables/"))));
}

void TestDesktopUtils::overlongTextsAreCutNotTheTableLost()
{
    // 287 good rows and two texts longer than a cell holds: a text of 5 MiB, and one whose cut
    // would fall inside a character of two UTF-16 units.
    ExportController controller;
    QSet<QString> notes;
    for (int id = 1; id <= 287; ++id) {
        notes.insert(QStringLiteral("row %1").arg(id));
        controller.originalModel()->addRow({{"id", QString::number(id)}, {"note", QStringLiteral("row %1").arg(id)},
                                            {"price", QString::number(id * 0.5)}});
    }
    const QString huge(5242880, QLatin1Char('L'));
    const QString pair = QString(32765, QLatin1Char('x')) + QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("yy");
    controller.originalModel()->addRow({{"id", "288"}, {"note", huge}, {"price", "1"}});
    controller.originalModel()->addRow({{"id", "289"}, {"note", pair}, {"price", "2"}});
    const QVariantMap table{{"controller", QVariant::fromValue<QObject *>(&controller)},
                            {"table", columns({"id", "note", "price"})}};
    const QVariantMap result = m_utils.writeToExcel(table);
    QVERIFY2(result.value("written").toBool(), qPrintable(result.value("error").toString()));
    QCOMPARE(result.value("cut").toInt(), 2);

    QString error;
    const QJsonObject dump = XlsxTest::dump(result.value("path").toString(), &error);
    QVERIFY2(!dump.isEmpty(), qPrintable(error));
    const QJsonObject sheet = XlsxTest::sheet(dump, "Sheet1");
    QCOMPARE(sheet.value("max_row").toInt(), 290);
    const QJsonObject cells = sheet.value("cells").toObject();
    QSet<QString> shownNotes;
    QStringList cut;
    double prices = 0;
    for (int row = 2; row <= 290; ++row) {
        const QString note = cells.value(QStringLiteral("B%1").arg(row)).toObject().value("v").toString();
        if (note.size() > 100)
            cut.append(note);
        else
            shownNotes.insert(note);
        prices += cells.value(QStringLiteral("C%1").arg(row)).toObject().value("v").toDouble();
    }
    QCOMPARE(shownNotes, notes);
    QCOMPARE(prices, 287 * 288 / 2 * 0.5 + 3);
    QCOMPARE(cut.size(), 2);
    std::sort(cut.begin(), cut.end());
    QCOMPARE(cut.at(0), huge.left(32766) + QChar(0x2026));
    QCOMPARE(cut.at(1), pair.left(32765) + QChar(0x2026)); // never half a character
}

void TestDesktopUtils::overlongTextsKeepMarksWithTheirLetter()
{
    // Cuts that would fall between a letter and its accent ("é" as e + U+0301), between two marks
    // of one letter, and between a letter of two UTF-16 units and its mark.
    const QString x(32764, QLatin1Char('x'));
    const QStringList texts{x + QStringLiteral("xe\u0301yy"), x + QStringLiteral("a\u0308\u0301yy"),
                            x + QString::fromUtf8("\xF0\x9D\x94\xB8" "\xCC\x81" "y")};
    const QStringList expected{x + QStringLiteral("x\u2026"), x + QStringLiteral("\u2026"), x + QStringLiteral("\u2026")};
    ExportController controller;
    for (int i = 0; i < texts.size(); ++i)
        controller.originalModel()->addRow({{"id", QString::number(i + 1)}, {"note", texts.at(i)}});
    const QVariantMap result = m_utils.writeToExcel({{"controller", QVariant::fromValue<QObject *>(&controller)},
                                                     {"table", columns({"id", "note"})}});
    QVERIFY2(result.value("written").toBool(), qPrintable(result.value("error").toString()));
    QCOMPARE(result.value("cut").toInt(), 3);

    QString error;
    const QJsonObject dump = XlsxTest::dump(result.value("path").toString(), &error);
    QVERIFY2(!dump.isEmpty(), qPrintable(error));
    const QJsonObject cells = XlsxTest::sheet(dump, "Sheet1").value("cells").toObject();
    QVector<QString> notes(texts.size());
    for (int row = 2; row <= texts.size() + 1; ++row) {
        const int id = cells.value(QStringLiteral("A%1").arg(row)).toObject().value("v").toVariant().toInt();
        QVERIFY(id >= 1 && id <= texts.size());
        notes[id - 1] = cells.value(QStringLiteral("B%1").arg(row)).toObject().value("v").toString();
    }
    for (int i = 0; i < texts.size(); ++i) {
        QCOMPARE(notes.at(i).right(3), expected.at(i).right(3));
        QCOMPARE(notes.at(i), expected.at(i));
    }
}

void TestDesktopUtils::compareVersions_data()
{
    QTest::addColumn<QString>("v1");
    QTest::addColumn<QString>("v2");
    QTest::addColumn<int>("sign");
    QTest::newRow("1.0.10 > 1.0.9") << "1.0.10" << "1.0.9" << 1;
    QTest::newRow("1.2 < 1.2.0") << "1.2" << "1.2.0" << -1;
    QTest::newRow("2.0-beta = 2.0") << "2.0-beta" << "2.0" << 0;
    QTest::newRow("1.6.0 < 1.10") << "1.6.0" << "1.10" << -1;
}

void TestDesktopUtils::compareVersions()
{
    QFETCH(QString, v1);
    QFETCH(QString, v2);
    QFETCH(int, sign);
    const int result = m_utils.compareVersions(v1, v2);
    QCOMPARE((result > 0) - (result < 0), sign);
}

void TestDesktopUtils::cursorStaysBalanced()
{
    qRegisterMetaType<Qt::CursorShape>();
    QSignalSpy changed(&m_utils, &DesktopUtils::cursorShapeChanged);
    m_utils.setCursorShape(Qt::WaitCursor);
    m_utils.setCursorShape(Qt::WaitCursor);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    m_utils.setCursorShape(Qt::BusyCursor);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    // One arrow gives the application's own cursor back, however many shapes came before.
    m_utils.setProperty("cursorShape", QVariant::fromValue(Qt::ArrowCursor));
    QVERIFY(!QGuiApplication::overrideCursor());
    m_utils.setCursorShape(Qt::ArrowCursor);
    QCOMPARE(changed.count(), 3);
    {
        DesktopUtils leaving;
        leaving.setCursorShape(Qt::WaitCursor);
    }
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestDesktopUtils::folderSize()
{
    const QString root = m_dir.filePath("size");
    QDir().mkpath(root + "/sub/.hidden");
    const auto write = [](const QString &path, int bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(bytes, 'x'));
    };
    write(root + "/a", 10);
    write(root + "/.b", 20);
    write(root + "/sub/c", 30);
    write(root + "/sub/.hidden/d", 40);
    QCOMPARE(m_utils.getDirSize(root), 100);
    // Links are never followed, so a link back to the top is no loop and adds nothing.
    QVERIFY(QFile::link(root, root + "/sub/loop"));
    QVERIFY(QFile::link(root + "/a", root + "/sub/a-link"));
    QCOMPARE(m_utils.getDirSize(root), 100);
    QCOMPARE(m_utils.getDirSize(root + "/missing"), 0);
}

void TestDesktopUtils::folderRemoval_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("removed");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("relative") << "exports" << false;
    QTest::newRow("file system root") << "/" << false;
    QTest::newRow("temporary folder itself") << QDir::tempPath() << false;
    QTest::newRow("outside the program's folders") << "/usr/share" << false;
    QTest::newRow("missing") << "@/exports/none" << false;
    QTest::newRow("through dots") << "@/exports/../exports/tables/.." << true;
    QTest::newRow("inside the export folder") << "@/exports/old" << true;
}

void TestDesktopUtils::folderRemoval()
{
    QFETCH(QString, path);
    QFETCH(bool, removed);
    path.replace("@", m_dir.path());
    QDir().mkpath(m_dir.filePath("exports/old/deep"));
    MessageCatcher log;
    QCOMPARE(m_utils.removeDir(path), removed);
    if (removed)
        QVERIFY(!QFileInfo::exists(path));
    else
        QCOMPARE(log.warnings.size(), 1);
    QVERIFY(QFileInfo::exists("/usr/share"));
    QDir().mkpath(m_dir.filePath("exports"));
}

void TestDesktopUtils::filesAndBase64()
{
    const QByteArray bytes("\x00\x01binary\xff", 9);
    QCOMPARE(m_utils.fromBase64(m_utils.toBase64(bytes)), bytes);
    const QString file = m_dir.filePath("bin");
    QVERIFY(m_utils.saveBinaryFile(file, bytes));
    QCOMPARE(m_utils.loadImageToBase64(file), QString::fromLatin1(bytes.toBase64()));
    m_utils.saveBinaryFile(file, "short");
    QCOMPARE(m_utils.fromBase64(m_utils.loadImageToBase64(file)), QByteArray("short"));
    QCOMPARE(m_utils.loadImageToBase64(m_dir.filePath("none")), QString());
    MessageCatcher log;
    QVERIFY(!m_utils.saveBinaryFile(m_dir.filePath("none/deeper/file"), bytes));
    QCOMPARE(log.count("Failed to open file for writing: "), 1);
    QCOMPARE(m_utils.pathToDir(file), m_dir.path());
    QCOMPARE(m_utils.urlToPath(QUrl::fromLocalFile(file)), file);
    m_utils.setClipboardText("copied #1");
    QCOMPARE(m_utils.getClipboardText(), QString("copied #1"));
    m_utils.setMetrics(true);
    QCOMPARE(qgetenv("metrics"), QByteArray("1"));
    m_utils.setMetrics(false);
    QCOMPARE(qgetenv("metrics"), QByteArray("0"));
    QCOMPARE(m_utils.qtVersion(), QString("5.15.0"));
    QCOMPARE(m_utils.property("exportDir").toString(), m_dir.filePath("exports"));
    QVERIFY(!m_utils.isControlPressed());
}

void TestDesktopUtils::qmlLookups()
{
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.15\nItem { Item { id: inner; objectName: 'x'; Item { objectName: 'x' } } }",
                      QUrl());
    std::unique_ptr<QObject> root(component.create());
    QVERIFY(root);
    QObject *inner = m_utils.findChildByName(root.get(), "x");
    QVERIFY(inner);
    QCOMPARE(m_utils.idToString(inner), QString("inner"));
    QCOMPARE(m_utils.findChildrenByName(root.get(), "x").size(), 2);
    QVERIFY(!m_utils.findChildByName(nullptr, "x"));
    QVERIFY(m_utils.findChildrenByName(nullptr, "x").isEmpty());
    QCOMPARE(m_utils.idToString(nullptr), QString());
    QCOMPARE(m_utils.idToString(this), QString());
}

void TestDesktopUtils::photos()
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(picture.save(&buffer, "PNG"));
    Client::ImageProviderWrapper wrapper;
    std::unique_ptr<Client::PhotoImageProvider> provider(wrapper.takeProvider());
    QVERIFY(provider);
    QVERIFY(!wrapper.takeProvider());
    wrapper.appendImage("7", QString::fromLatin1(png.toBase64()));
    wrapper.appendImage("bad", "not an image");
    QSize size;
    const QImage shown = provider->requestImage("7", &size, QSize(100, 100));
    QCOMPARE(shown.size(), QSize(3, 2));
    QCOMPARE(size, QSize(3, 2));
    QCOMPARE(shown.pixelColor(1, 1), QColor(Qt::red));
    QVERIFY(provider->requestImage("bad", &size, QSize()).isNull());
    QVERIFY(provider->requestImage("none", &size, QSize()).isNull());

    // A photo is decoded at the size asked for: scaled down to cover it, never up.
    QImage large(1200, 800, QImage::Format_RGB32);
    large.fill(Qt::green);
    wrapper.appendImage("large", pngBase64(large));
    QCOMPARE(provider->requestImage("large", &size, QSize(150, 150)).size(), QSize(225, 150));
    QCOMPARE(size, QSize(1200, 800));
    QCOMPARE(provider->requestImage("large", &size, QSize(0, 100)).size(), QSize(150, 100));
    QCOMPARE(provider->requestImage("large", &size, QSize()).size(), QSize(1200, 800));

    // A picture that declares far more pixels than a photo has is refused from its header,
    // without the memory its decoding would take.
    wrapper.appendImage("bomb", QString::fromLatin1(pngBomb(16000, 16000).toBase64()));
    QVERIFY(wrapper.image("bomb").size() < (1 << 20));
    PeakMemory::reset();
    const qint64 before = PeakMemory::current();
    QVERIFY(provider->requestImage("bomb", &size, QSize(150, 150)).isNull());
    QVERIFY(provider->requestImage("bomb", &size, QSize()).isNull());
    const qint64 grown = PeakMemory::peak() - before;
    QVERIFY2(grown < (qint64(32) << 20), qPrintable(QStringLiteral("grew by %1 MiB").arg(grown >> 20)));
    wrapper.removeImage("7");
    QCOMPARE(wrapper.image("7"), QString());
    wrapper.clearImages();
    QCOMPARE(wrapper.image("bad"), QString());
}

QTEST_MAIN(TestDesktopUtils)
#include "tst_desktoputils.moc"
