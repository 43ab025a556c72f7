#include "common/core/utils/unziparchive.h"
#include "common/core/utils/ziparchive.h"
#include "hostilezip.h"
#include "testfiles.h"
#include "timelimit.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

namespace {

// One archive entry as Python's zipfile writes it; kind is file, dir, link or bare (no mode).
struct ZipEntry
{
    QString name;
    QByteArray data;
    QString kind = QStringLiteral("file");
    int mode = -1;
    bool stored = false;
};

const char *const zipScript = R"py(
import base64, json, stat, sys, zipfile
plan = json.load(sys.stdin)
modes = {"file": stat.S_IFREG | 0o644, "dir": stat.S_IFDIR | 0o755,
         "link": stat.S_IFLNK | 0o777, "bare": 0}
with zipfile.ZipFile(plan["path"], "w") as archive:
    for entry in plan["entries"]:
        info = zipfile.ZipInfo(entry["name"], date_time=(2024, 1, 1, 0, 0, 0))
        info.create_system = 3
        mode = entry["mode"] if entry["mode"] >= 0 else modes[entry["kind"]]
        info.external_attr = mode << 16
        info.compress_type = zipfile.ZIP_STORED if entry["stored"] else zipfile.ZIP_DEFLATED
        archive.writestr(info, base64.b64decode(entry["data"]))
)py";

// Writes the archive with the system's Python, independent of the code under test.
bool makeZip(const QString &path, const QList<ZipEntry> &entries)
{
    QJsonArray list;
    for (const ZipEntry &entry : entries) {
        list.append(QJsonObject{{"name", entry.name},
                                {"data", QString::fromLatin1(entry.data.toBase64())},
                                {"kind", entry.kind},
                                {"mode", entry.mode},
                                {"stored", entry.stored}});
    }
    QProcess python;
    python.start(QStandardPaths::findExecutable("python3"), {"-c", zipScript});
    if (!python.waitForStarted(timeLimit(30000)))
        return false;
    python.write(QJsonDocument(QJsonObject{{"path", path}, {"entries", list}}).toJson());
    python.closeWriteChannel();
    if (!python.waitForFinished(timeLimit(60000)) || python.exitCode() != 0) {
        qWarning() << python.readAllStandardError();
        return false;
    }
    return true;
}

// Every path below dir, relative to it, links not followed.
QStringList tree(const QString &dir)
{
    QStringList paths;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.append(QDir(dir).relativeFilePath(it.next()));
    paths.sort();
    return paths;
}

// The process's peak resident memory so far, in bytes.
qint64 peakMemory()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

} // namespace

// Unpacking update packages: folders, overwriting, refused paths, links and damaged archives.
class TestUnzip : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void unpacksTree();
    void overwrites();
    void refusesEscapes_data();
    void refusesEscapes();
    void skipsLinkEntries();
    void refusesWritingThroughLinks_data();
    void refusesWritingThroughLinks();
    void damagedArchives_data();
    void damagedArchives();
    void hostileArchives_data();
    void hostileArchives();

private:
    QString sandbox() const { return m_sandbox->path(); }
    QString archive() const { return sandbox() + "/archive.zip"; }
    QString dest() const { return sandbox() + "/dest"; }

    QScopedPointer<QTemporaryDir> m_sandbox;
};

void TestUnzip::init()
{
    m_sandbox.reset(new QTemporaryDir);
    QVERIFY(m_sandbox->isValid());
    QVERIFY(QDir().mkpath(dest()));
}

void TestUnzip::cleanup()
{
    m_sandbox.reset();
}

void TestUnzip::unpacksTree()
{
    QVERIFY(makeZip(archive(), {
        {"pkg/", "", "dir"},
        {"pkg/loader.exe", "loader", "file", 0100755},
        {"pkg/sub/deep/file.txt", "deep"},   // no entries for its folders
        {"other/readme.txt", "readme"},
        {"top.txt", "top"},
        {".hidden", "dot"},
        {"данные/файл.txt", "кириллица"},
        {"empty/", "", "dir"},
        {"bare/", "", "bare"},                // a folder entry without a mode
        {"pkg/inner/../flat.txt", "flat"},    // stays inside
        {"locked.txt", "locked", "file", 0100000},
    }));

    QVERIFY(unzipArchive(archive(), dest()));

    QCOMPARE(tree(dest()), QStringList({".hidden", "bare", "empty", "locked.txt", "other",
                                        "other/readme.txt", "pkg", "pkg/flat.txt",
                                        "pkg/loader.exe", "pkg/sub", "pkg/sub/deep",
                                        "pkg/sub/deep/file.txt", "top.txt", "данные",
                                        "данные/файл.txt"}));
    QCOMPARE(readFile(dest() + "/pkg/loader.exe"), QByteArray("loader"));
    QCOMPARE(readFile(dest() + "/pkg/sub/deep/file.txt"), QByteArray("deep"));
    QCOMPARE(readFile(dest() + "/other/readme.txt"), QByteArray("readme"));
    QCOMPARE(readFile(dest() + "/.hidden"), QByteArray("dot"));
    QCOMPARE(readFile(dest() + "/данные/файл.txt"), QString("кириллица").toUtf8());
    QCOMPARE(readFile(dest() + "/pkg/flat.txt"), QByteArray("flat"));
    QVERIFY(QFileInfo(dest() + "/bare").isDir());
    QVERIFY(QFileInfo(dest() + "/empty").isDir());
    // Stored permissions are applied, but the owner can always read and replace the file.
    QVERIFY(QFileInfo(dest() + "/pkg/loader.exe").permissions() & QFile::ExeOwner);
    QVERIFY(!(QFileInfo(dest() + "/top.txt").permissions() & QFile::ExeOwner));
    QCOMPARE(readFile(dest() + "/locked.txt"), QByteArray("locked"));
    QVERIFY(QFileInfo(dest() + "/locked.txt").permissions() & QFile::WriteOwner);
    QVERIFY(QFileInfo::exists(archive()));
}

void TestUnzip::overwrites()
{
    QVERIFY(QDir().mkpath(dest() + "/pkg"));
    QVERIFY(writeFile(dest() + "/pkg/a.txt", "a much longer old content"));
    QVERIFY(writeFile(dest() + "/keep.txt", "kept"));
    QVERIFY(makeZip(archive(), {{"pkg/a.txt", "new"}, {"b.txt", "b"}}));

    QVERIFY(unzipArchive(archive(), dest()));
    QCOMPARE(readFile(dest() + "/pkg/a.txt"), QByteArray("new"));
    QCOMPARE(readFile(dest() + "/keep.txt"), QByteArray("kept"));

    // Unpacking again over its own result gives the same tree.
    QVERIFY(writeFile(dest() + "/b.txt", "changed"));
    QVERIFY(unzipArchive(archive(), dest()));
    QCOMPARE(readFile(dest() + "/b.txt"), QByteArray("b"));
    QCOMPARE(tree(dest()), QStringList({"b.txt", "keep.txt", "pkg", "pkg/a.txt"}));
}

void TestUnzip::refusesEscapes_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << "../x";
    QTest::newRow("parent folder") << "../";
    QTest::newRow("absolute") << "/abs";
    QTest::newRow("drive") << "C:\\x";
    QTest::newRow("drive-relative") << "c:x";
    QTest::newRow("climbs after a folder") << "a/../../y";
    QTest::newRow("backslash parent") << "..\\x";
    QTest::newRow("backslash climb") << "sub\\..\\..\\z";
}

void TestUnzip::refusesEscapes()
{
    QFETCH(QString, name);
    QVERIFY(makeZip(archive(), {{"good.txt", "good"}, {name, "evil"}, {"after.txt", "after"}}));

    QVERIFY(!unzipArchive(archive(), dest()));
    // Nothing is written, neither inside nor next to the folder.
    QCOMPARE(tree(dest()), QStringList());
    QCOMPARE(tree(sandbox()), QStringList({"archive.zip", "dest"}));
    QVERIFY(!QFileInfo::exists("/abs"));
}

void TestUnzip::skipsLinkEntries()
{
    QVERIFY(makeZip(archive(), {{"passwd", "/etc/passwd", "link"},
                                {"up", "../outside", "link"},
                                {"file.txt", "file"}}));

    QVERIFY(unzipArchive(archive(), dest()));
    QCOMPARE(tree(dest()), QStringList({"file.txt"}));
    QVERIFY(!QFileInfo(dest() + "/passwd").isSymLink());
    QCOMPARE(readFile(dest() + "/file.txt"), QByteArray("file"));
}

void TestUnzip::refusesWritingThroughLinks_data()
{
    QTest::addColumn<QString>("linkName");
    QTest::addColumn<QString>("linkTarget");
    QTest::addColumn<QString>("entry");
    QTest::newRow("folder link") << "escape" << "outside" << "escape/sub/owned.txt";
    QTest::newRow("file link") << "victim.txt" << "outside/victim.txt" << "victim.txt";
    QTest::newRow("dangling folder link") << "gone" << "nowhere" << "gone/owned.txt";
}

void TestUnzip::refusesWritingThroughLinks()
{
    QFETCH(QString, linkName);
    QFETCH(QString, linkTarget);
    QFETCH(QString, entry);
    // A link left in the folder by someone else must not carry writes out of it.
    QVERIFY(QDir().mkpath(sandbox() + "/outside"));
    QVERIFY(writeFile(sandbox() + "/outside/victim.txt", "victim"));
    QVERIFY(QFile::link(sandbox() + "/" + linkTarget, dest() + "/" + linkName));
    QVERIFY(makeZip(archive(), {{entry, "owned"}}));

    QVERIFY(!unzipArchive(archive(), dest()));
    QCOMPARE(tree(sandbox() + "/outside"), QStringList({"victim.txt"}));
    QCOMPARE(readFile(sandbox() + "/outside/victim.txt"), QByteArray("victim"));
    QVERIFY(!QFileInfo::exists(sandbox() + "/nowhere"));
}

void TestUnzip::damagedArchives_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("unpacked");
    QTest::newRow("intact") << "none" << true;
    QTest::newRow("no entries") << "empty archive" << true;
    QTest::newRow("truncated in the data") << "half" << false;
    QTest::newRow("truncated in the directory") << "tail" << false;
    QTest::newRow("flipped data byte") << "flip" << false;
    QTest::newRow("not a zip") << "garbage" << false;
    QTest::newRow("empty file") << "zero bytes" << false;
    QTest::newRow("missing file") << "missing" << false;
    QTest::newRow("no destination") << "no destination" << false;
}

void TestUnzip::damagedArchives()
{
    QFETCH(QString, damage);
    QFETCH(bool, unpacked);
    // The damaged entry comes last, after entries that would already be written by a
    // one-pass extraction.
    const QList<ZipEntry> entries{{"first.txt", QByteArray(4000, 'a'), "file", -1, true},
                                  {"pkg/second.txt", QByteArray(4000, 'b'), "file", -1, true},
                                  {"pkg/third.txt", QByteArray(4000, 'c'), "file", -1, true}};
    QVERIFY(makeZip(archive(), damage == "empty archive" ? QList<ZipEntry>() : entries));
    QByteArray bytes = readFile(archive());
    QString destination = dest();
    if (damage == "half")
        bytes.truncate(bytes.size() / 2);
    else if (damage == "tail")
        bytes.chop(30);
    else if (damage == "flip")
        bytes[bytes.indexOf(QByteArray(100, 'c')) + 50] = 'x';
    else if (damage == "garbage")
        bytes = "this is not a zip archive at all";
    else if (damage == "zero bytes")
        bytes.clear();
    else if (damage == "no destination")
        destination.clear();
    QVERIFY(writeFile(archive(), bytes));
    if (damage == "missing")
        QVERIFY(QFile::remove(archive()));

    QCOMPARE(unzipArchive(archive(), destination), unpacked);
    if (damage == "none")
        QCOMPARE(tree(dest()),
                 QStringList({"first.txt", "pkg", "pkg/second.txt", "pkg/third.txt"}));
    else
        QCOMPARE(tree(dest()), QStringList());
}

void TestUnzip::hostileArchives_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("maxTotalSize"); // 0: the default limits
    QTest::addColumn<qint64>("maxEntries");
    QTest::addColumn<QString>("reason");
    using namespace HostileZip;
    const Entry good = deflated("good.txt", "good");
    Entry huge = deflated("huge.bin", "tiny");
    huge.size = 0x80000000u;
    Entry ratio = deflated("ratio.bin", QByteArray(1 << 20, 'x'));
    ratio.data = QByteArray(1 << 20, 'x'); // never read: the declaration alone is refused
    ratio.size = 1u << 30;
    Entry shortOne = deflated("short.txt", QByteArray(50, 's'));
    shortOne.size = 100;
    Entry badCrc = deflated("crc.txt", "checked");
    badCrc.crc ^= 1;
    Entry stored = deflated("stored.txt", "");
    stored.method = 0;
    stored.data = QByteArray(10, 'd');
    stored.size = 1000;
    stored.crc = crc(QByteArray(10, 'd'));
    const Entry two = deflated("two.txt", QByteArray(60, '2'));
    const Entry three = deflated("three.txt", QByteArray(60, '3'));

    QTest::newRow("115 bytes declaring 2 GiB") << HostileZip::archive({huge}) << qint64(0) << qint64(0)
                                               << "huge.bin declares 2147483648 bytes";
    QTest::newRow("10 bytes declared, 256 MiB inflated")
        << HostileZip::archive({good, zeros("bomb.bin", qint64(256) << 20, 10)}) << qint64(0) << qint64(0)
        << "bomb.bin holds more than its declared 10 bytes";
    QTest::newRow("1 GiB from 1 MiB") << HostileZip::archive({good, ratio}) << qint64(0) << qint64(0)
                                      << "ratio.bin declares 1073741824 bytes from 1048576 compressed ones";
    QTest::newRow("shorter than declared") << HostileZip::archive({good, shortOne}) << qint64(0) << qint64(0)
                                           << "short.txt ends after 50 of its declared 100 bytes";
    QTest::newRow("wrong CRC") << HostileZip::archive({good, badCrc}) << qint64(0) << qint64(0) << "crc.txt is damaged";
    QTest::newRow("stored, data cut") << HostileZip::archive({good, stored}) << qint64(0) << qint64(0) << "stored.txt is damaged";
    QTest::newRow("total over the cap") << HostileZip::archive({good, two, three}) << qint64(100) << qint64(0)
                                        << "the entries declare more than 100 bytes";
    QTest::newRow("two entries of one name") << HostileZip::archive({good, two, two}) << qint64(0) << qint64(0)
                                             << "not a readable zip archive";
    QTest::newRow("too many entries") << HostileZip::archive({good, two, shortOne}) << qint64(0) << qint64(2)
                                      << "the archive has 3 entries, more than 2";
}

void TestUnzip::hostileArchives()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, maxTotalSize);
    QFETCH(qint64, maxEntries);
    QFETCH(QString, reason);
    QVERIFY(writeFile(archive(), bytes));
    const qint64 startMemory = peakMemory();

    // The archive reader says why, with the limits of the row.
    Common::ZipLimits limits;
    if (maxTotalSize > 0)
        limits.maxTotalSize = maxTotalSize;
    if (maxEntries > 0)
        limits.maxEntries = maxEntries;
    Common::ZipArchive zip;
    bool whole = zip.open(archive(), limits);
    for (const Common::ZipArchive::Entry &entry : zip.entries())
        whole = whole && zip.read(entry, [](const char *, qint64) { return true; });
    QVERIFY(!whole);
    QVERIFY2(zip.errorString().contains(reason), qPrintable(zip.errorString()));

    // Unpacking with the default limits writes nothing and stays small.
    if (maxTotalSize == 0 && maxEntries == 0) {
        QVERIFY(!unzipArchive(archive(), dest()));
        QCOMPARE(tree(dest()), QStringList());
    }
    QVERIFY2(peakMemory() - startMemory < (qint64(64) << 20),
             qPrintable(QStringLiteral("peak memory grew by %1 MiB").arg((peakMemory() - startMemory) >> 20)));
}

QTEST_GUILESS_MAIN(TestUnzip)
#include "tst_unzip.moc"
