#include "common/core/utils/jsontext.h"

#include <QJsonObject>
#include <QtTest>

// Reading JSON texts that repeat a member name in one object.
class TestJsonText : public QObject
{
    Q_OBJECT

private slots:
    void repeatedNamesAreRefused_data();
    void repeatedNamesAreRefused();
    void otherTextsReadAsQtReadsThem_data();
    void otherTextsReadAsQtReadsThem();
};

namespace {

QByteArray bigObject(int names, const QByteArray &extra)
{
    QByteArray text = "{";
    for (int i = 0; i < names; ++i)
        text += "\"name" + QByteArray::number(i) + "\":[" + QByteArray::number(i) + "],";
    return text + extra + "}";
}

} // namespace

void TestJsonText::repeatedNamesAreRefused_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("name");
    QTest::newRow("arrays") << QByteArray(R"({"a":[1],"a":[2]})") << "a";
    QTest::newRow("nested, after other names")
        << QByteArray(R"([{"condition":"or","expressions":[{"x":1}],"b":2,"expressions":[]}])") << "expressions";
    QTest::newRow("spaces before the colon") << QByteArray("{\"a\" \n:1, \"a\"\t: 2}") << "a";
    QTest::newRow("escaped letter") << QByteArray(R"({"a":1,"\u0061":{}})") << "a";
    QTest::newRow("escaped accent") << QByteArray("{\"\xc3\xa9\":1,\"\\u00E9\":2}") << QString::fromUtf8("\xc3\xa9");
    QTest::newRow("surrogate pair") << QByteArray("{\"\xf0\x9f\x98\x80\":1,\"\\ud83d\\ude00\":2}")
                                    << QString::fromUtf8("\xf0\x9f\x98\x80");
    QTest::newRow("short escapes") << QByteArray(R"({"a\nb\/\"":1,"a\u000ab/\u0022":2})") << "a\nb/\"";
    QTest::newRow("empty name") << QByteArray(R"({"":[1],"":[2]})") << "";
    QTest::newRow("large object") << bigObject(40, R"("name17":{})") << "name17";
    QTest::newRow("inner object of a large one") << bigObject(12, R"("o":{"x":1,"y":2,"x":[]})") << "x";
}

void TestJsonText::repeatedNamesAreRefused()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, name);
    QString error = QStringLiteral("stale");
    QVERIFY(Common::readJson(text, &error).isNull());
    QCOMPARE(error, QStringLiteral("member \"%1\" is given twice in one object").arg(name));
}

void TestJsonText::otherTextsReadAsQtReadsThem_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("one name in two objects") << QByteArray(R"([{"a":[1]},{"a":[2]}])") << true;
    QTest::newRow("one name at two depths") << QByteArray(R"({"a":{"a":{"a":1}}})") << true;
    QTest::newRow("names inside a string") << QByteArray(R"({"v":"{\"a\":1,\"a\":2}","a":"a"})") << true;
    QTest::newRow("a value equal to a name") << QByteArray(R"({"a":"b","b":"a"})") << true;
    QTest::newRow("lone surrogates differ") << QByteArray(R"({"\ud800":[1],"\udbff":[2]})") << true;
    QTest::newRow("case differs") << QByteArray(R"({"a":1,"A":2,"\u0041b":3,"Ab ":4})") << true;
    QTest::newRow("large, all different") << bigObject(40, R"("last":true)") << true;
    QTest::newRow("unterminated") << QByteArray(R"({"a":[1],"a":[2])") << false;
    QTest::newRow("unterminated string") << QByteArray(R"({"a":[1],"a)") << false;
    QTest::newRow("wrong bracket") << QByteArray(R"({"a":[1}])") << false;
    QTest::newRow("names in an array") << QByteArray(R"(["a":1,"a":2])") << false;
    QTest::newRow("close without open") << QByteArray(R"(}{"a":1,"a":2})") << false;
    QTest::newRow("bad escape") << QByteArray(R"({"\u00zz":1})") << false;
    QTest::newRow("invalid UTF-8") << QByteArray("{\"\xff\":1,\"\xfe\":2}") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestJsonText::otherTextsReadAsQtReadsThem()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QJsonParseError qtError;
    const QJsonDocument expected = QJsonDocument::fromJson(text, &qtError);
    QCOMPARE(qtError.error == QJsonParseError::NoError, valid);
    QString error = QStringLiteral("stale");
    QCOMPARE(Common::readJson(text, &error), expected);
    QCOMPARE(error, valid ? QString() : qtError.errorString());
}

QTEST_GUILESS_MAIN(TestJsonText)
#include "tst_jsontext.moc"
