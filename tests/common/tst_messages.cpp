#include "common/net/apinetwork.h"
#include "common/net/jsonrpcrequest.h"
#include "common/net/messagetext.h"
#include "common/net/netdto.h"
#include "common/net/repeatedtexts.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <QtTest>

// Message records: the text form written and read, and the JSON shapes.
class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void messageText_data();
    void messageText();
    void insertKeepsCallersValue();
    void listInUtf8_data();
    void listInUtf8();
    void parse_data();
    void parse();
    void roundTrip_data();
    void roundTrip();
    void parseAgreesWithTheRules();
    void listRowsShareTheirKeys();
    void recordJson();
    void requestJson();
};

void TestMessages::messageText_data()
{
    QTest::addColumn<QVariantMap>("entries");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("expected");

    QTest::newRow("example") << QVariantMap{{"FN", "a_b"}, {"x", "1=2"}} << "s"
                             << "#SIGN=s#FN=a_b#x=1/=2#[END]";
    QTest::newRow("key order") << QVariantMap{{"b", "2"}, {"a", "1"}, {"FN", "c_d"}} << "s"
                               << "#SIGN=s#FN=c_d#a=1#b=2#[END]";
    QTest::newRow("escapes") << QVariantMap{{"v", "a#b=c"}} << "x" << "#SIGN=x#v=a/#b/=c#[END]";
    QTest::newRow("empty value") << QVariantMap{{"k", ""}} << "s" << "#SIGN=s#k=#[END]";
    QTest::newRow("empty record") << QVariantMap{} << "s" << "#SIGN=s#[END]";
    QTest::newRow("cyrillic") << QVariantMap{{"name", "Водитель"}} << "знак"
                              << "#SIGN=знак#name=Водитель#[END]";
    QTest::newRow("sign unescaped") << QVariantMap{{"k", "1"}} << "a#b" << "#SIGN=a#b#k=1#[END]";
    QTest::newRow("number") << QVariantMap{{"n", 42}} << "s" << "#SIGN=s#n=42#[END]";
}

void TestMessages::messageText()
{
    QFETCH(QVariantMap, entries);
    QFETCH(QString, sign);
    QFETCH(QString, expected);
    QCOMPARE(Common::messageText(sign, NetDTO(entries)), expected);
    QCOMPARE(Common::messageText(sign, NetDTO(entries)).toUtf8(), expected.toUtf8());
}

void TestMessages::insertKeepsCallersValue()
{
    // A password or URL with a literal "/#" or "/=" must reach the peer unchanged.
    NetDTO record;
    record.insert("k", "x/#y");
    record.insert("p", "a/=b");
    QCOMPARE(record.mapParams().value("k").toString(), QString("x/#y"));
    QCOMPARE(record.stringParams().value("k").toString(), QString("x/#y"));
    QCOMPARE(record.toString(), QString("#k=x//#y#p=a//=b"));
    const QVariantMap read = Common::parseMessage(Common::messageText("s", record).chopped(5));
    QCOMPARE(read.value("k").toString(), QString("x/#y"));
    QCOMPARE(read.value("p").toString(), QString("a/=b"));

    // All three forms are overwritten; typed values stay typed in the JSON form.
    record.insert("k", 7);
    QCOMPARE(record.mapParams().value("k").toString(), QString("7"));
    QCOMPARE(record.stringParams().value("k"), QJsonValue("7"));
    QCOMPARE(record.jsonParams().value("k"), QJsonValue(7));
}

void TestMessages::listInUtf8_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QList<QVariantMap>>("maps");
    const QString pair = QString::fromUtf8("\xF0\x9F\x9A\x95"); // one character in two code units
    const QString high(QChar(0xD83D));
    const QString low(QChar(0xDE95));
    QTest::newRow("none") << "s" << QList<QVariantMap>{};
    QTest::newRow("empty record") << "s" << QList<QVariantMap>{{}};
    QTest::newRow("escapes, numbers, no value")
        << "op" << QList<QVariantMap>{{{"FN", "a_b"}, {"x", "1=2#3"}, {"n", 42}, {"d", 2.5}, {"u", QVariant()}}};
    QTest::newRow("two and three bytes") << "знак" << QList<QVariantMap>{{{"имя", "Водитель ₴"}, {"a", "ü"}}};
    QTest::newRow("surrogates, paired and not")
        << QString("s" + high)
        << QList<QVariantMap>{{{"k" + high, "a" + pair + "b"}, {low + "k", "x" + high}, {"z", low + "y" + high + high}}};
    // More records than one batch, of different lengths, so the walks end at different steps.
    QList<QVariantMap> many;
    for (int i = 0; i < 37; ++i) {
        QVariantMap map{{"id", QString::number(i)}, {"name", QString("Ім'я %1 #=").arg(i)}};
        for (int k = 0; k < i % 7; ++k)
            map.insert(QString("f%1").arg(k), k % 2 ? QVariant(k) : QVariant(QString(k, QChar('x'))));
        many.append(map);
    }
    QTest::newRow("many records") << "operator" << many;
}

void TestMessages::listInUtf8()
{
    QFETCH(QString, sign);
    QFETCH(QList<QVariantMap>, maps);
    QList<NetDTO> records;
    QString text;
    for (const QVariantMap &map : maps) {
        records.append(NetDTO(map));
        Common::appendMessageText(text, sign, records.last());
    }
    QCOMPARE(Common::messagesUtf8(sign, records), text.toUtf8());
}

void TestMessages::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariantMap>("expected");

    QTest::newRow("example") << "#SIGN=s#FN=a_b#x=1/=2#"
                             << QVariantMap{{"SIGN", "s"}, {"FN", "a_b"}, {"x", "1=2"}};
    QTest::newRow("no outer hashes") << "SIGN=s#FN=a_b" << QVariantMap{{"SIGN", "s"}, {"FN", "a_b"}};
    QTest::newRow("missing equals ignored") << "#a=1#junk#b=2#" << QVariantMap{{"a", "1"}, {"b", "2"}};
    QTest::newRow("extra parts dropped") << "#k=a=b#" << QVariantMap{{"k", "a"}};
    QTest::newRow("duplicate key") << "#k=1#k=2#" << QVariantMap{{"k", "2"}};
    QTest::newRow("empty value") << "#k=#" << QVariantMap{{"k", ""}};
    QTest::newRow("empty pieces") << "#a=1###b=2#" << QVariantMap{{"a", "1"}, {"b", "2"}};
    QTest::newRow("escaped hash") << "#v=a/#b/=c#w=1#" << QVariantMap{{"v", "a#b=c"}, {"w", "1"}};
    // A value ending in "/" swallows the next entry: its "#" reads as escaped.
    QTest::newRow("trailing slash") << "#a=x/#b=y#" << QVariantMap{{"a", "x#b"}};
    QTest::newRow("leading equals ignored") << "#=v#k=1#" << QVariantMap{{"k", "1"}};
    QTest::newRow("empty") << "" << QVariantMap{};
    QTest::newRow("cyrillic") << "#имя=Иван#" << QVariantMap{{"имя", "Иван"}};
}

void TestMessages::parse()
{
    QFETCH(QString, text);
    QFETCH(QVariantMap, expected);
    QCOMPARE(Common::parseMessage(text), expected);
}

void TestMessages::roundTrip_data()
{
    QTest::addColumn<QString>("value");
    for (const char *v : {"plain", "a#b", "a=b", "#=#=", "x/#y", "a/=b", "a//b", "", "Тест = #1"})
        QTest::newRow(v) << QString::fromUtf8(v);
}

void TestMessages::roundTrip()
{
    QFETCH(QString, value);
    NetDTO record;
    record.insert("FN", "c_d");
    record.insert("v", value);
    record.insert("z", "last");
    QString text = Common::messageText("sign", record);
    QVERIFY(text.endsWith("[END]"));
    text.chop(5);
    const QVariantMap read = Common::parseMessage(text);
    QCOMPARE(read.value("v").toString(), value);
    QCOMPARE(read.value("z").toString(), QString("last"));
    QCOMPARE(read.value("SIGN").toString(), QString("sign"));
}

namespace {

// The reading rules spelled out one character at a time: pieces split at every "#" not preceded
// by "/" (from the second character on), key and value at the first two such "=".
QVariantMap readByTheRules(QString text)
{
    if (text.startsWith('#'))
        text.remove(0, 1);
    if (text.endsWith('#'))
        text.chop(1);
    auto separators = [](const QString &piece, QChar sep) {
        QList<int> at;
        for (int i = 1; i < piece.size(); ++i) {
            if (piece[i] == sep && piece[i - 1] != '/')
                at.append(i);
        }
        return at;
    };
    QVariantMap map;
    QList<int> cuts = separators(text, '#');
    cuts.append(text.size());
    int start = 0;
    for (int cut : cuts) {
        const QString piece = text.mid(start, cut - start);
        start = cut + 1;
        const QList<int> equals = separators(piece, '=');
        if (piece.isEmpty() || equals.isEmpty())
            continue;
        const int end = equals.size() > 1 ? equals[1] : piece.size();
        QString value = piece.mid(equals[0] + 1, end - equals[0] - 1);
        value.replace("/#", "#").replace("/=", "=");
        map.insert(piece.left(equals[0]), value);
    }
    return map;
}

} // namespace

void TestMessages::parseAgreesWithTheRules()
{
    // The seed corpus of the frame fuzz target, then random texts of the protocol's characters.
    QStringList texts;
    const QDir corpus(qEnvironmentVariable("KORIV_SOURCE_DIR") + "/tests/fuzz/corpus/frames");
    for (const QString &name : corpus.entryList(QDir::Files)) {
        QFile file(corpus.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        texts.append(QString::fromUtf8(file.readAll()));
    }
    QVERIFY(texts.size() > 10);
    QRandomGenerator random(7);
    const QString alphabet = QStringLiteral("#=/ab[END]Я");
    for (int i = 0; i < 20000; ++i) {
        QString text;
        for (int n = random.bounded(24); n > 0; --n)
            text += alphabet[random.bounded(alphabet.size())];
        texts.append(text);
    }
    // Read one after another, as a frame's messages are, sharing the texts that recur.
    Common::RepeatedTexts repeated;
    for (const QString &text : qAsConst(texts)) {
        const QVariantMap expected = readByTheRules(text);
        QVERIFY2(Common::parseMessage(text) == expected, qPrintable(text));
        QVERIFY2(Common::parseMessage(QStringRef(&text), &repeated) == expected, qPrintable(text));
    }
}

void TestMessages::listRowsShareTheirKeys()
{
    // Rows of one list: the same keys in the same order, some values repeating, some escaped.
    // The rows come in two frames, read by one connection.
    Common::RepeatedTexts repeated;
    QList<QVariantMap> rows = Common::ApiNetwork::decodeTextFrame(
        QStringLiteral("#SIGN=s#id=1#name=Ann/#1#is_archived=0#[END]#SIGN=s#id=2#name=Bob#is_archived=0#[END]"),
        &repeated);
    rows += Common::ApiNetwork::decodeTextFrame(QStringLiteral("#SIGN=s#name=Cy#id=3#is_archived=1#[END]"), &repeated);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(0), (QVariantMap{{"SIGN", "s"}, {"id", "1"}, {"name", "Ann#1"}, {"is_archived", "0"}}));
    QCOMPARE(rows.at(1), (QVariantMap{{"SIGN", "s"}, {"id", "2"}, {"name", "Bob"}, {"is_archived", "0"}}));
    QCOMPARE(rows.at(2), (QVariantMap{{"SIGN", "s"}, {"id", "3"}, {"name", "Cy"}, {"is_archived", "1"}}));
    // The second row keeps its keys and its repeated flag in the first row's storage.
    const auto key = [&rows](int row, const QString &name) { return rows.at(row).find(name).key().constData(); };
    QCOMPARE(key(1, "is_archived"), key(0, "is_archived"));
    QCOMPARE(key(1, "name"), key(0, "name"));
    QCOMPARE(rows.at(1).value("is_archived").toString().constData(),
             rows.at(0).value("is_archived").toString().constData());
    QCOMPARE(key(2, "is_archived"), key(0, "is_archived"));
}

void TestMessages::recordJson()
{
    // No "controller": it is still there as null; "SIGN" never is; the rest goes under "params".
    NetDTO plain(QVariantMap{{"SIGN", "s"}, {"FN", "a_b"}, {"x", 1}});
    QCOMPARE(plain.toJson(), (QJsonObject{{"controller", QJsonValue::Null},
                                          {"method", "a_b"},
                                          {"params", QJsonObject{{"x", 1}}}}));

    // "method" wins over "FN", "RECEIVER" over "receiver"; "meta" is parsed from its text.
    NetDTO full(QVariantMap{{"controller", "auth"}, {"FN", "x_y"}, {"method", "auth"},
                            {"receiver", "1"}, {"RECEIVER", "2"}, {"meta", "{\"a\":1}"}});
    QCOMPARE(full.toJson(), (QJsonObject{{"controller", "auth"},
                                         {"method", "auth"},
                                         {"receiver", "2"},
                                         {"meta", QJsonObject{{"a", 1}}}}));

    // Meta that is not a JSON object becomes an empty object.
    NetDTO badMeta(QVariantMap{{"meta", "not json"}});
    QCOMPARE(badMeta.toJson().value("meta"), QJsonValue(QJsonObject()));

    // Records built with insert carry typed values in their JSON shape.
    NetDTO inserted;
    inserted.insert("FN", "userSession_trClose");
    inserted.insert("RECEIVER", QVariant::fromValue<qint64>(12));
    QCOMPARE(inserted.toJson(), (QJsonObject{{"controller", QJsonValue::Null},
                                             {"method", "userSession_trClose"},
                                             {"receiver", 12}}));
}

void TestMessages::requestJson()
{
    Common::JsonRpc::Request bare("auth.auth");
    QCOMPARE(bare.toJson(), (QJsonObject{{"method", "auth.auth"}}));

    Common::JsonRpc::Request full("driver.trGetList");
    full.setId("5");
    full.setParams(QJsonObject{{"query_limit", 100}});
    full.setMeta(QJsonObject());
    const QJsonObject json = full.toJson();
    QCOMPARE(json, (QJsonObject{{"method", "driver.trGetList"},
                                {"id", "5"},
                                {"params", QJsonObject{{"query_limit", 100}}},
                                {"meta", QJsonObject()}}));
    QVERIFY(!json.contains("jsonrpc"));
    QCOMPARE(QJsonDocument(bare.toJson()).toJson(QJsonDocument::Compact),
             QByteArray(R"({"method":"auth.auth"})"));
}

QTEST_GUILESS_MAIN(TestMessages)
#include "tst_messages.moc"
