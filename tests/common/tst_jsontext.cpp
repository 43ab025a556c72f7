#include "common/core/utils/jsontext.h"

#include <QJsonObject>
#include <QtTest>

// Reading JSON texts that repeat a member name in one object.
class TestJsonText : public QObject
{
    Q_OBJECT

private slots:
    void repeatedNamesKeepTheLastValue_data();
    void repeatedNamesKeepTheLastValue();
    void otherTextsReadAsQtReadsThem_data();
    void otherTextsReadAsQtReadsThem();
};

namespace {

// An object of names name0 ... with an array each, the one numbered skip left out, then extra.
QByteArray bigObject(int names, const QByteArray &extra, int skip = -1)
{
    QByteArray text = "{";
    for (int i = 0; i < names; ++i) {
        if (i != skip)
            text += "\"name" + QByteArray::number(i) + "\":[" + QByteArray::number(i) + "],";
    }
    return text + extra + "}";
}

// Names of U+0000 and each ASCII character as escapes, then extra: no short start is left free.
QByteArray nulNames(const QByteArray &extra)
{
    QByteArray text = "{";
    for (int c = 0; c < 128; ++c)
        text += QByteArray("\"\\u0000\\u00") + QByteArray::number(c, 16).rightJustified(2, '0') + "\":[],";
    return text + extra + "}";
}

// An object that gives "a" count times, the values numbered in the pattern, then "b".
QByteArray repeated(int count, const char *value)
{
    QByteArray text = "{";
    for (int i = 0; i < count; ++i)
        text += "\"a\":" + QString::fromLatin1(value).arg(i).toLatin1() + ",";
    return text + "\"b\":0}";
}

// The text with U+0000 bytes for "~".
QByteArray withNul(const char *text)
{
    return QByteArray(text).replace('~', '\0');
}

} // namespace

void TestJsonText::repeatedNamesKeepTheLastValue_data()
{
    // Where an array or an object is dropped, Qt would lose its memory: the last value is given.
    // Elsewhere the reading is Qt's own (expected empty).
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("name");
    QTest::newRow("arrays") << QByteArray(R"({"a":[1],"a":[2]})") << QByteArray(R"({"a":[2]})") << "a";
    QTest::newRow("nested, after other names")
        << QByteArray(R"([{"condition":"or","expressions":[{"x":1}],"b":2,"expressions":[]}])")
        << QByteArray(R"([{"condition":"or","b":2,"expressions":[]}])") << "expressions";
    QTest::newRow("three times, an object as an array")
        << QByteArray(R"({"a":{"x":1},"a":[2],"a":{"y":[3]},"b":0})") << QByteArray(R"({"a":{"y":[3]},"b":0})") << "a";
    QTest::newRow("an array dropped for a string") << QByteArray(R"({"a":[1],"a":"s"})") << QByteArray(R"({"a":"s"})") << "a";
    QTest::newRow("inside an earlier value") << QByteArray(R"({"a":{"b":[1],"b":[2]},"a":{"c":[3],"c":{}}})")
                                             << QByteArray(R"({"a":{"c":{}}})") << "b";
    QTest::newRow("several depths")
        << QByteArray(R"([{"a":[{"b":{},"b":[]}],"a":[{"c":[],"c":{}}]},{"d":[1],"d":{"e":[],"e":[3]}}])")
        << QByteArray(R"([{"a":[{"c":{}}]},{"d":{"e":[3]}}])") << "b";
    QTest::newRow("escaped letter") << QByteArray(R"({"a":[1],"\u0061":{}})") << QByteArray(R"({"a":{}})") << "a";
    QTest::newRow("escaped accent") << QByteArray("{\"\xc3\xa9\":[1],\"\\u00E9\":[2]}")
                                    << QByteArray("{\"\xc3\xa9\":[2]}") << QString::fromUtf8("\xc3\xa9");
    QTest::newRow("surrogate pair") << QByteArray("{\"\xf0\x9f\x98\x80\":{},\"\\ud83d\\ude00\":[]}")
                                    << QByteArray("{\"\xf0\x9f\x98\x80\":[]}") << QString::fromUtf8("\xf0\x9f\x98\x80");
    QTest::newRow("lone surrogate") << QByteArray(R"({"\ud800":[1],"\uD800":[2]})") << QByteArray(R"({"\ud800":[2]})")
                                    << QString(QChar(0xd800));
    QTest::newRow("short escapes") << QByteArray(R"({"a\nb\/\"":[1],"a\u000ab/\u0022":[2]})")
                                   << QByteArray(R"({"a\nb/\"":[2]})") << "a\nb/\"";
    // Qt reads an escaped byte from 0x80 on as two code units.
    QTest::newRow("escaped high byte") << QByteArray("{\"\\\xc3\":[1],\"\\ud7bf\\udfc3\":[2]}")
                                       << QByteArray(R"({"\ud7bf\udfc3":[2]})")
                                       << QString(QChar(0xd7bf)) + QChar(0xdfc3);
    QTest::newRow("raw control characters") << QByteArray("{\"a\x01\x1f\x7f\":[1],\"a\\u0001\\u001F\x7f\":[2]}")
                                            << QByteArray("{\"a\\u0001\\u001f\x7f\":[2]}") << "a\x01\x1f\x7f";
    // Qt compares two names without escapes as C strings of the same length.
    QTest::newRow("raw U+0000") << withNul(R"({"a~b":1,"a~c":2,"a~":3,"a~bc":4})") << QByteArray()
                                << QString::fromUtf8("a\0b", 3);
    QTest::newRow("raw U+0000, arrays") << withNul(R"({"a~b":[1],"a~c":{"x":[]}})")
                                        << QByteArray(R"({"a\u0000c":{"x":[]}})") << QString::fromUtf8("a\0b", 3);
    // Where that chains names Qt would not all take for one, the last is kept.
    QTest::newRow("raw U+0000 and escapes") << withNul(R"({"a~b":[1],"a~c":[2],"a\u0000b":[3]})")
                                            << QByteArray(R"({"a\u0000b":[3]})") << QString::fromUtf8("a\0b", 3);
    QTest::newRow("empty name") << QByteArray(R"({"":[1],"":[2]})") << QByteArray(R"({"":[2]})") << "";
    QTest::newRow("names that start with U+0000")
        << nulNames(R"("\u0000\u0030":{"x":[]},"\u0000":[1],"\u0000\u0000\u0000":[2])")
        << nulNames(R"("\u0000":[1],"\u0000\u0000\u0000":[2])").replace("\\u0030\":[]", "\\u0030\":{\"x\":[]}")
        << QString::fromUtf8("\0" "0", 2);
    QTest::newRow("large object") << bigObject(40, R"("name17":{})") << bigObject(40, R"("name17":{})", 17) << "name17";
    QTest::newRow("large object, three times")
        << bigObject(40, R"("name3":{},"name3":[[3]])") << bigObject(40, R"("name3":[[3]])", 3) << "name3";
    QTest::newRow("inner object of a large one")
        << bigObject(40, R"("o":{"x":1,"y":2,"x":[]})") << bigObject(40, R"("o":{"y":2,"x":[]})") << "x";
    // Qt's sort is stable in objects of up to 16 members only; in larger ones it keeps another.
    QTest::newRow("numbers, 16 members") << repeated(15, "%1") << QByteArray() << "a";
    QTest::newRow("numbers, 17 members") << repeated(16, "%1") << QByteArray(R"({"a":15,"b":0})") << "a";
    QTest::newRow("arrays, 41 members") << repeated(40, "[%1]") << QByteArray(R"({"a":[39],"b":0})") << "a";
    QTest::newRow("strings and numbers") << QByteArray(R"({"a":1,"b":"x","a":"y","b":2,"b":null})") << QByteArray() << "a";
    QTest::newRow("spaces before the colon") << QByteArray("{\"a\" \n:1, \"a\"\t: 2}") << QByteArray() << "a";
    QTest::newRow("a string dropped for an array") << QByteArray(R"({"a":"s","a":[1]})") << QByteArray() << "a";
}

void TestJsonText::repeatedNamesKeepTheLastValue()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QFETCH(QString, name);
    QString error = QStringLiteral("stale");
    QString repeated;
    const QJsonDocument document = Common::readJson(text, &error, &repeated);
    const QJsonDocument qtReading = QJsonDocument::fromJson(expected.isEmpty() ? text : expected);
    QVERIFY(!qtReading.isNull());
    // Members in key order: Qt orders names without escapes as C strings.
    const auto members = [](const QJsonDocument &d) {
        return QJsonDocument::fromVariant(d.toVariant()).toJson(QJsonDocument::Compact);
    };
    QCOMPARE(members(document), members(qtReading));
    QCOMPARE(error, QString());
    QCOMPARE(repeated, QStringLiteral("member \"%1\" is given twice in one object: the last value is read").arg(name));
}

void TestJsonText::otherTextsReadAsQtReadsThem_data()
{
    // Qt's reading, or where Qt would lose memory, Qt's error (qtError).
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("qtError");
    QTest::newRow("one name in two objects") << QByteArray(R"([{"a":[1]},{"a":[2]}])") << true << "";
    QTest::newRow("one name at two depths") << QByteArray(R"({"a":{"a":{"a":1}}})") << true << "";
    QTest::newRow("names inside a string") << QByteArray(R"({"v":"{\"a\":1,\"a\":2}","a":"a"})") << true << "";
    QTest::newRow("a value equal to a name") << QByteArray(R"({"a":"b","b":"a"})") << true << "";
    QTest::newRow("lone surrogates differ") << QByteArray(R"({"\ud800":[1],"\udbff":[2]})") << true << "";
    QTest::newRow("case differs") << QByteArray(R"({"a":1,"A":2,"\u0041b":3,"Ab ":4})") << true << "";
    QTest::newRow("large, all different") << bigObject(40, R"("last":true)") << true << "";
    QTest::newRow("U+0000 names, all different") << nulNames(R"("\u0000\u0000\u0000":1)") << true << "";
    QTest::newRow("unterminated") << QByteArray(R"({"a":[1],"a":[2])") << false << "";
    QTest::newRow("unterminated string") << QByteArray(R"({"a":[1],"a)") << false << "";
    QTest::newRow("wrong bracket") << QByteArray(R"({"a":[1}])") << false << "";
    QTest::newRow("names in an array") << QByteArray(R"(["a":1,"a":2])") << false << "";
    QTest::newRow("close without open") << QByteArray(R"(}{"a":1,"a":2})") << false << "";
    QTest::newRow("bad escape") << QByteArray(R"({"\u00zz":1})") << false << "";
    QTest::newRow("invalid UTF-8") << QByteArray("{\"\xff\":1,\"\xfe\":2}") << false << "";
    QTest::newRow("empty") << QByteArray() << false << "";
    // An earlier name that Qt refuses stays as written, and Qt stops at it.
    QTest::newRow("refused escape, then its reading") << QByteArray(R"({"\u00zz":[1],"u00zz":[2]})") << false << "";
    QTest::newRow("surrogate as UTF-8, then escaped")
        << QByteArray("{\"\xed\xa0\x80\":[1],\"\\ud800\":[2]}") << false << "";
    QTest::newRow("repeat, then a bad escape") << QByteArray(R"({"a":1,"a":2,"b":"\u12"})") << false << "";
    QTest::newRow("repeat, then a comma") << QByteArray(R"({"a":[1],"a":[2],})") << false << "";
    QTest::newRow("closed repeat, then a wrong bracket")
        << QByteArray(R"({"o":{"a":[1],"a":[2]}])") << false << "unterminated object";
    QTest::newRow("closed repeat, then garbage")
        << QByteArray(R"({"a":[1],"a":[2]}x)") << false << "garbage at the end of the document";
    QTest::newRow("closed repeat, then a refused repeat")
        << QByteArray(R"([{"a":[1],"a":[2]},{"b":1,"b":"\u00zz"}])") << false << "invalid escape sequence";
}

void TestJsonText::otherTextsReadAsQtReadsThem()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(QString, qtError);
    QString error = QStringLiteral("stale");
    QString repeated = QStringLiteral("stale");
    const QJsonDocument document = Common::readJson(text, &error, &repeated);
    QCOMPARE(repeated, QString());
    if (!qtError.isEmpty()) {
        QVERIFY(document.isNull());
        QCOMPARE(error, qtError);
        return;
    }
    QJsonParseError qtParseError;
    const QJsonDocument expected = QJsonDocument::fromJson(text, &qtParseError);
    QCOMPARE(qtParseError.error == QJsonParseError::NoError, valid);
    QCOMPARE(document, expected);
    QCOMPARE(error, valid ? QString() : qtParseError.errorString());
}

QTEST_GUILESS_MAIN(TestJsonText)
#include "tst_jsontext.moc"
