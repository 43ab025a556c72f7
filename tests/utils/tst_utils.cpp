#include "common/core/utils/utils.h"
#include "messagecatcher.h"

#include <QJSEngine>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <limits>

namespace {

// Utils with a clock the test sets, as the client's server-synchronised clock would be.
class ClockedUtils : public Utils
{
public:
    QDateTime now;
    QDateTime currentDateTime() override { return now; }
};

qlonglong utc(int year, int month, int day, int hours, int minutes, int seconds = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hours, minutes, seconds), Qt::UTC)
        .toMSecsSinceEpoch();
}

QDateTime atOffset(int year, int month, int day, int hours, int minutes, int offsetMinutes)
{
    return QDateTime(QDate(year, month, day), QTime(hours, minutes), Qt::OffsetFromUTC,
                     offsetMinutes * 60);
}

constexpr qlonglong Day = 86400000;

} // namespace

// The helpers the pages call, in Europe/Berlin so that daylight-saving changes are crossed.
class TestUtils : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void passwordDigest_data();
    void passwordDigest();
    void offsetText_data();
    void offsetText();
    void fixedOffsetConversion_data();
    void fixedOffsetConversion();
    void refusedConversions_data();
    void refusedConversions();
    void localConversion_data();
    void localConversion();
    void localCalendar();
    void relativeDates_data();
    void relativeDates();
    void momentsNotShown_data();
    void momentsNotShown();
    void durations_data();
    void durations();
    void callerIdentifier_data();
    void callerIdentifier();
    void weightedChoice();
    void callNumber();
    void coefficientColour_data();
    void coefficientColour();
    void bigEndian_data();
    void bigEndian();
    void jsonFrameAndRecord();
    void scriptCalls();
};

void TestUtils::initTestCase()
{
    // The local-time cases below are written for this zone.
    QCOMPARE(qgetenv("TZ"), QByteArray("Europe/Berlin"));
    QCOMPARE(QDateTime(QDate(2024, 7, 1), QTime(12, 0)).offsetFromUtc(), 7200);
}

void TestUtils::passwordDigest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digest");
    QTest::newRow("empty") << "" << "d41d8cd98f00b204e9800998ecf8427e";
    QTest::newRow("latin") << "admin" << "21232f297a57a5a743894a0e4a801fc3";
    QTest::newRow("cyrillic, utf-8 bytes") << "пароль" << "e242f36f4f95f12966da8fa2efd59992";
}

void TestUtils::passwordDigest()
{
    QFETCH(QString, text);
    QFETCH(QString, digest);
    QCOMPARE(Utils().getPwdHash(text), digest);
}

void TestUtils::offsetText_data()
{
    QTest::addColumn<qlonglong>("offset");
    QTest::addColumn<QString>("text");
    QTest::newRow("-30") << -30LL << "-00:30";
    QTest::newRow("0") << 0LL << "00:00";
    QTest::newRow("330") << 330LL << "+05:30";
    QTest::newRow("600") << 600LL << "+10:00";
    QTest::newRow("-90") << -90LL << "-01:30";
    QTest::newRow("-840") << -840LL << "-14:00";
    QTest::newRow("three-digit hours") << 6001LL << "+100:01";
}

void TestUtils::offsetText()
{
    QFETCH(qlonglong, offset);
    QFETCH(QString, text);
    QCOMPARE(Utils().offset2Format(offset), text);
}

void TestUtils::fixedOffsetConversion_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<qlonglong>("offset");
    QTest::addColumn<bool>("shortYear");
    QTest::addColumn<qlonglong>("epoch");

    QTest::newRow("short year") << "01.02.24" << "10:00" << 0LL << true << utc(2024, 2, 1, 10, 0);
    QTest::newRow("minute 59 ends the minute") << "01.02.24" << "10:59" << 0LL << true
                                               << utc(2024, 2, 1, 10, 59, 59);
    QTest::newRow("minute 58") << "01.02.24" << "10:58" << 0LL << true << utc(2024, 2, 1, 10, 58);
    QTest::newRow("seconds given") << "01.02.24" << "10:59:07" << 0LL << true
                                   << utc(2024, 2, 1, 10, 59, 7);
    QTest::newRow("single digits") << "1.2.24" << "7:5" << 0LL << true << utc(2024, 2, 1, 7, 5);
    QTest::newRow("four-digit year kept") << "01.02.2024" << "10:00" << 0LL << true
                                          << utc(2024, 2, 1, 10, 0);
    QTest::newRow("year 99") << "31.12.99" << "23:59:59" << 0LL << true
                             << utc(2099, 12, 31, 23, 59, 59);
    QTest::newRow("leap day") << "29.02.24" << "00:00" << 0LL << true << utc(2024, 2, 29, 0, 0);
    QTest::newRow("east offset") << "01.02.24" << "10:00" << 180LL << true << utc(2024, 2, 1, 7, 0);
    QTest::newRow("west offset") << "01.02.24" << "10:00" << -90LL << true
                                 << utc(2024, 2, 1, 11, 30);
    QTest::newRow("offset crosses new year") << "01.01.24" << "01:00" << 180LL << true
                                             << utc(2023, 12, 31, 22, 0);
    QTest::newRow("long year as written") << "01.02.2024" << "10:00" << 0LL << false
                                          << utc(2024, 2, 1, 10, 0);
    QTest::newRow("short year as written") << "01.02.0024" << "10:00" << 0LL << false
                                           << QDateTime(QDate(24, 2, 1), QTime(10, 0), Qt::UTC)
                                                  .toMSecsSinceEpoch();
}

void TestUtils::fixedOffsetConversion()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(qlonglong, offset);
    QFETCH(bool, shortYear);
    QFETCH(qlonglong, epoch);
    QCOMPARE(Utils().localDateTime2UTCmsec(date, time, offset, shortYear), QString::number(epoch));
}

void TestUtils::refusedConversions_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<qlonglong>("offset");

    QTest::newRow("empty year") << "01.02." << "10:00" << 0LL;
    QTest::newRow("two date parts") << "01.02" << "10:00" << 0LL;
    QTest::newRow("four date parts") << "01.02.24.1" << "10:00" << 0LL;
    QTest::newRow("no such day") << "31.02.2024" << "10:00" << 0LL;
    QTest::newRow("not a leap year") << "29.02.23" << "10:00" << 0LL;
    QTest::newRow("month 13") << "01.13.24" << "10:00" << 0LL;
    QTest::newRow("letters in date") << "ab.02.24" << "10:00" << 0LL;
    QTest::newRow("signed part") << "01.-2.24" << "10:00" << 0LL;
    QTest::newRow("blank in part") << " 1.02.24" << "10:00" << 0LL;
    QTest::newRow("year beyond int") << "01.02.4294969296" << "10:00" << 0LL;
    QTest::newRow("empty date") << "" << "10:00" << 0LL;
    QTest::newRow("hour 25") << "01.02.24" << "25:00" << 0LL;
    QTest::newRow("letters in time") << "01.02.24" << "ab:cd" << 0LL;
    QTest::newRow("empty minutes") << "01.02.24" << "10:" << 0LL;
    QTest::newRow("empty hours") << "01.02.24" << ":30" << 0LL;
    QTest::newRow("one time part") << "01.02.24" << "10" << 0LL;
    QTest::newRow("four time parts") << "01.02.24" << "10:00:00:00" << 0LL;
    QTest::newRow("second 60") << "01.02.24" << "10:00:60" << 0LL;
    QTest::newRow("empty time") << "01.02.24" << "" << 0LL;
    QTest::newRow("offset past +14h") << "01.02.24" << "10:00" << 841LL;
    QTest::newRow("offset past -14h") << "01.02.24" << "10:00" << -841LL;
    QTest::newRow("offset beyond int seconds") << "01.02.24" << "10:00" << 40000000LL;
}

void TestUtils::refusedConversions()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(qlonglong, offset);
    const QString message = QString("Conversion error. Date: %1. Time: %2").arg(date, time);

    Utils utils;
    {
        MessageCatcher catcher;
        QCOMPARE(utils.localDateTime2UTCmsec(date, time, offset), QString());
        QCOMPARE(catcher.warnings.size(), 1);
        QVERIFY2(catcher.warnings.first().contains("Utils::localDateTime2UTCmsec"),
                 qPrintable(catcher.warnings.first()));
        QVERIFY2(catcher.warnings.first().contains(message), qPrintable(catcher.warnings.first()));
    }
    if (offset == 0) {
        MessageCatcher catcher;
        QCOMPARE(utils.localTimeToUtc(date, time), QString());
        QCOMPARE(catcher.warnings.size(), 1);
        QVERIFY2(catcher.warnings.first().contains(message), qPrintable(catcher.warnings.first()));
    }
}

void TestUtils::localConversion_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("epoch");

    QTest::newRow("winter") << "01.02.24" << "10:00" << QString::number(utc(2024, 2, 1, 9, 0));
    QTest::newRow("summer") << "01.07.24" << "10:00" << QString::number(utc(2024, 7, 1, 8, 0));
    QTest::newRow("before the spring change") << "31.03.24" << "01:59:59"
                                              << QString::number(utc(2024, 3, 31, 0, 59, 59));
    QTest::newRow("in the spring gap") << "31.03.24" << "02:30" << QString();
    QTest::newRow("after the spring change") << "31.03.24" << "03:00"
                                             << QString::number(utc(2024, 3, 31, 1, 0));
    QTest::newRow("after the autumn change") << "27.10.24" << "03:00"
                                             << QString::number(utc(2024, 10, 27, 2, 0));
    QTest::newRow("four-digit year") << "31.12.2024" << "23:59"
                                     << QString::number(utc(2024, 12, 31, 22, 59, 59));
}

void TestUtils::localConversion()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, epoch);
    QCOMPARE(Utils().localTimeToUtc(date, time), epoch);
}

void TestUtils::localCalendar()
{
    Utils utils;
    // Sunday 22:30 UTC is already Monday in Berlin summer time.
    QCOMPARE(utils.dayOfWeek(utc(2024, 3, 31, 22, 30)), 1);
    QCOMPARE(utils.dayOfWeek(utc(2024, 3, 31, 21, 30)), 7);

    QCOMPARE(utils.utcToLocalTime(utc(2024, 3, 31, 0, 59, 59), "dd.MM.yyyy hh:mm:ss"),
             QString("31.03.2024 01:59:59"));
    QCOMPARE(utils.utcToLocalTime(utc(2024, 3, 31, 1, 0), "dd.MM.yyyy hh:mm:ss"),
             QString("31.03.2024 03:00:00"));

    // Months and years keep the local wall time across a change of offset.
    QCOMPARE(utils.addMonths2DateTime(utc(2024, 3, 15, 11, 0), 1), utc(2024, 4, 15, 10, 0));
    QCOMPARE(utils.addMonths2DateTime(utc(2024, 4, 15, 10, 0), -1), utc(2024, 3, 15, 11, 0));
    // A day the target month lacks becomes its last day.
    QCOMPARE(utils.addMonths2DateTime(utc(2024, 1, 31, 9, 0), 1), utc(2024, 2, 29, 9, 0));
    QCOMPARE(utils.addMonths2DateTime(utc(2023, 12, 31, 9, 0), 2), utc(2024, 2, 29, 9, 0));
    QCOMPARE(utils.addYears2DateTime(utc(2024, 2, 29, 9, 0), 1), utc(2025, 2, 28, 9, 0));
    QCOMPARE(utils.addYears2DateTime(utc(2024, 2, 29, 9, 0), 4), utc(2028, 2, 29, 9, 0));
    QCOMPARE(utils.addYears2DateTime(utc(2024, 7, 1, 10, 0), -1), utc(2023, 7, 1, 10, 0));
}

void TestUtils::relativeDates_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<qlonglong>("epoch");
    QTest::addColumn<qlonglong>("offset");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");

    const QDateTime newYear = atOffset(2024, 1, 1, 0, 30, 180);
    QTest::newRow("today") << newYear << utc(2023, 12, 31, 21, 10) << 180LL << "" << "00:10";
    QTest::newRow("yesterday across new year")
        << newYear << utc(2023, 12, 31, 20, 50) << 180LL << "" << "yesterday, 23:50";
    QTest::newRow("tomorrow") << newYear << utc(2024, 1, 1, 21, 5) << 180LL << ""
                              << "tomorrow, 00:05";
    QTest::newRow("previous year") << newYear << utc(2023, 12, 30, 7, 0) << 180LL << ""
                                   << "30 Dec 2023, 10:00";
    QTest::newRow("same year") << newYear << utc(2024, 3, 8, 7, 0) << 180LL << ""
                               << "08 Mar 10:00";
    QTest::newRow("tomorrow across new year")
        << atOffset(2023, 12, 31, 23, 0, 180) << utc(2023, 12, 31, 22, 0) << 180LL << ""
        << "tomorrow, 01:00";
    // Each date is taken at its own offset: the clock's Jan 1 against the text's Dec 31.
    QTest::newRow("dates compared as they are")
        << newYear << utc(2023, 12, 31, 21, 30) << 0LL << "" << "yesterday, 21:30";
    QTest::newRow("format given") << newYear << utc(2023, 12, 31, 20, 50) << 180LL
                                  << "yyyy-MM-dd hh:mm" << "2023-12-31 23:50";
    // The plain class has no clock: never today, always the full form.
    QTest::newRow("no clock") << QDateTime() << utc(2023, 12, 31, 20, 50) << 180LL << ""
                              << "31 Dec 2023, 23:50";
}

void TestUtils::relativeDates()
{
    QFETCH(QDateTime, now);
    QFETCH(qlonglong, epoch);
    QFETCH(qlonglong, offset);
    QFETCH(QString, format);
    QFETCH(QString, text);

    ClockedUtils utils;
    utils.now = now;
    QCOMPARE(utils.utcmsec2LocalDateTime(epoch, format, offset), text);

    MessageCatcher catcher;
    QCOMPARE(utils.utcmsec2LocalDateTime(epoch, format, 841), QString());
    QCOMPARE(catcher.warnings.size(), 1);
}

void TestUtils::momentsNotShown_data()
{
    QTest::addColumn<QString>("epoch");
    QTest::addColumn<qlonglong>("offset");
    QTest::addColumn<QString>("text");

    QTest::newRow("a moment") << " 1704061800000 " << 180LL << "01.01.2024 01:30";
    QTest::newRow("last minute shown") << QString::number(utc(9999, 12, 31, 23, 59)) << 0LL << "31.12.9999 23:59";
    QTest::newRow("first day shown") << QString::number(utc(1, 1, 1, 0, 0)) << 0LL << "01.01.0001 00:00";
    QTest::newRow("a year past 9999 at the offset") << QString::number(utc(9999, 12, 31, 23, 59)) << 60LL << "";
    QTest::newRow("before year 1") << QString::number(utc(1, 1, 1, 0, 0) - 1) << 0LL << "";
    QTest::newRow("largest 64-bit") << QString::number(std::numeric_limits<qint64>::max()) << 0LL << "";
    QTest::newRow("smallest 64-bit") << QString::number(std::numeric_limits<qint64>::min()) << 0LL << "";
    QTest::newRow("past 64 bits") << "9223372036854775808" << 0LL << "";
    QTest::newRow("not a number") << "soon" << 0LL << "";
    QTest::newRow("a clock time") << "12:30" << 0LL << "";
    QTest::newRow("a fraction") << "1704061800000.5" << 0LL << "";
    QTest::newRow("empty") << "" << 0LL << "";
}

// A moment that no date text can show, or a text that is no moment, shows as nothing and says
// why in one warning; never as a day of 1970 or of year -292275056.
void TestUtils::momentsNotShown()
{
    QFETCH(QString, epoch);
    QFETCH(qlonglong, offset);
    QFETCH(QString, text);

    Utils utils;
    MessageCatcher catcher;
    QCOMPARE(utils.utcmsecText2LocalDateTime(epoch, QStringLiteral("dd.MM.yyyy hh:mm"), offset), text);
    QCOMPARE(catcher.warnings.size(), text.isEmpty() ? 1 : 0);
    bool number = false;
    const qlonglong msecs = epoch.toLongLong(&number);
    if (number)
        QCOMPARE(utils.utcmsec2LocalDateTime(msecs, QString(), offset).isEmpty(), text.isEmpty());
}

void TestUtils::durations_data()
{
    QTest::addColumn<qlonglong>("msecs");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("hours");

    QTest::newRow("zero") << 0LL << "" << "00:00:00" << "0:00:00";
    QTest::newRow("hour, minutes, seconds") << 3723000LL << "" << "01:02:03" << "1:02:03";
    QTest::newRow("a millisecond short of a day") << 86399999LL << "" << "23:59:59" << "23:59:59";
    QTest::newRow("one day") << 86400000LL << "" << "Days 1 00:00:00" << "24:00:00";
    QTest::newRow("day, hour, minute, second") << 90061000LL << "" << "Days 1 01:01:01"
                                               << "25:01:01";
    QTest::newRow("past 24.8 days") << 31 * Day << "" << "Days 31 00:00:00" << "744:00:00";
    QTest::newRow("format given") << 3723000LL << "h:mm" << "1:02" << "1:02:03";
    QTest::newRow("format after days") << Day + 60000 << "mm" << "Days 1 01" << "24:01:00";
}

void TestUtils::durations()
{
    QFETCH(qlonglong, msecs);
    QFETCH(QString, format);
    QFETCH(QString, duration);
    QFETCH(QString, hours);
    Utils utils;
    QCOMPARE(utils.formatDuration(msecs, format), duration);
    QCOMPARE(utils.formatHourDuration(msecs), hours);
}

void TestUtils::callerIdentifier_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QStringList>("parts"); // CALLERID, UNIQUEID, PHONE, SERVER, PORT

    QTest::newRow("full, cyrillic caller")
        << "\"Иван-12345.67\" <sip:+79161234567@192.168.1.10:5060>"
        << QStringList{"Иван", "12345.67", "+79161234567", "192.168.1.10", "5060"};
    QTest::newRow("caller only, named server")
        << "\"Оператор\"   <sip:101@pbx:5060>" << QStringList{"Оператор", "", "101", "pbx", "5060"};
    QTest::newRow("cyrillic phone") << "  sip:Петров@office "
                                    << QStringList{"", "", "Петров", "office", ""};
    QTest::newRow("number only") << "200" << QStringList{"", "", "200", "", ""};
    QTest::newRow("quoted name, bare number") << "\"Иван\" 9161234567"
                                              << QStringList{"Иван", "", "9161234567", "", ""};
    QTest::newRow("white space only") << " \t " << QStringList{"", "", "", "", ""};
    QTest::newRow("no match") << "\"abc-x1\" <sip:#31*@srv>" << QStringList{"", "", "", "", ""};
}

void TestUtils::callerIdentifier()
{
    QFETCH(QString, uri);
    QFETCH(QStringList, parts);
    const QVariantMap result = Utils().parseURI(uri);
    QCOMPARE(result.keys(), QStringList({"CALLERID", "PHONE", "PORT", "SERVER", "UNIQUEID"}));
    const QStringList got{result["CALLERID"].toString(), result["UNIQUEID"].toString(),
                          result["PHONE"].toString(), result["SERVER"].toString(),
                          result["PORT"].toString()};
    QCOMPARE(got, parts);
    for (const QVariant &value : result)
        QCOMPARE(value.userType(), int(QMetaType::QString));
}

void TestUtils::weightedChoice()
{
    Utils utils;
    // The process-wide generator starts from a fixed seed: the first choices are always these.
    const QVariantMap quarters{{"d", 1}, {"c", 1}, {"b", 1}, {"a", 1}};
    QString sequence;
    for (int i = 0; i < 8; ++i)
        sequence += utils.descreteDistribution(quarters);
    QCOMPARE(sequence, QString("addabcad"));

    // Positive weights: each key in proportion to its weight (text numbers count too).
    QMap<QString, int> counts;
    const int draws = 20000;
    for (int i = 0; i < draws; ++i)
        ++counts[utils.descreteDistribution({{"a", 1}, {"b", "3"}, {"c", 0}, {"d", "x"}})];
    QCOMPARE(counts.keys(), QStringList({"a", "b"}));
    QVERIFY2(qAbs(counts["b"] / double(draws) - 0.75) < 0.02,
             qPrintable(QString::number(counts["b"])));
    // Weights that already sum to one are taken as they are.
    counts.clear();
    for (int i = 0; i < draws; ++i)
        ++counts[utils.descreteDistribution({{"a", 0.9}, {"b", 0.1}})];
    QVERIFY2(qAbs(counts["a"] / double(draws) - 0.9) < 0.02,
             qPrintable(QString::number(counts["a"])));

    // No usable distribution: the first key in key order.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (int i = 0; i < 50; ++i) {
        QCOMPARE(utils.descreteDistribution({{"y", 0}, {"x", 0}}), QString("x"));
        QCOMPARE(utils.descreteDistribution({{"a", 5}, {"b", -1}, {"c", 7}}), QString("a"));
        QCOMPARE(utils.descreteDistribution({{"a", -1}, {"b", 5}}), QString("a"));
        QCOMPARE(utils.descreteDistribution({{"a", 1}, {"b", nan}}), QString("a"));
        QCOMPARE(utils.descreteDistribution({{"a", 1}, {"b", inf}}), QString("a"));
        QCOMPARE(utils.descreteDistribution({{"a", 1.7e308}, {"b", 1.7e308}}), QString("a"));
        QCOMPARE(utils.descreteDistribution({{"only", 3}}), QString("only"));
    }
    QCOMPARE(utils.descreteDistribution({}), QString());
}

void TestUtils::callNumber()
{
    Utils utils;
    const QRegularExpression sixDigits("^[0-9]{6}$");
    for (int i = 0; i < 10; ++i) {
        const QString number = utils.unique4call();
        QVERIFY2(sixDigits.match(number).hasMatch(), qPrintable(number));
    }
}

void TestUtils::coefficientColour_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<double>("coefficient");
    QTest::addColumn<double>("limit");
    QTest::addColumn<QString>("colour");

    QTest::newRow("base") << 1.0 << 5.0 << "#FFFFFF";
    QTest::newRow("first step") << 1.2 << 5.0 << "#FFFFE0";
    QTest::newRow("ceiling of 1.25") << 1.5 << 5.0 << "#FFFF00";
    QTest::newRow("halfway") << 3.0 << 5.0 << "#F08080";
    QTest::newRow("ninth step") << 4.6 << 5.0 << "#EE82EE";
    QTest::newRow("just past ninth") << 4.7 << 5.0 << "#9400D3";
    QTest::newRow("at the limit") << 5.0 << 5.0 << "#9400D3";
    QTest::newRow("over the limit") << 6.0 << 5.0 << "#FFFFFF";
    QTest::newRow("below one") << 0.5 << 5.0 << "#FFFFFF";
    QTest::newRow("limit one") << 1.0 << 1.0 << "#FFFFFF";
    QTest::newRow("limit zero") << 1.0 << 0.0 << "#FFFFFF";
    QTest::newRow("limit below one") << 0.5 << 0.8 << "#FFFFFF";
    QTest::newRow("coefficient nan") << nan << 5.0 << "#FFFFFF";
    QTest::newRow("limit nan") << 2.0 << nan << "#FFFFFF";
    QTest::newRow("both infinite") << inf << inf << "#FFFFFF";
    QTest::newRow("limit infinite") << 2.0 << inf << "#FFFFFF";
}

void TestUtils::coefficientColour()
{
    QFETCH(double, coefficient);
    QFETCH(double, limit);
    QFETCH(QString, colour);
    QCOMPARE(Utils().dynamicCoefficientColor(coefficient, limit), colour);
}

void TestUtils::bigEndian_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");

    QTest::newRow("256") << QByteArray("\x00\x00\x01\x00", 4) << 0 << 256;
    QTest::newRow("negative") << QByteArray("\xff\xff\xff\xfe", 4) << 0 << -2;
    QTest::newRow("at an offset") << QByteArray("ab\x12\x34\x56\x78z", 7) << 2 << 0x12345678;
    QTest::newRow("three bytes") << QByteArray("\x00\x00\x01", 3) << 0 << 0;
    QTest::newRow("past the end") << QByteArray("\x00\x00\x00\x01", 4) << 1 << 0;
    QTest::newRow("negative offset") << QByteArray("\x00\x00\x00\x01\x00", 5) << -1 << 0;
}

void TestUtils::bigEndian()
{
    QFETCH(QByteArray, data);
    QFETCH(int, offset);
    QFETCH(int, value);
    QCOMPARE(readBigEndianInt32(offset, data), qint32(value));
}

void TestUtils::jsonFrameAndRecord()
{
    const QJsonObject object{{"FN", "auth_trAuth"}, {"name", "Водитель"}, {"n", 5}};
    const QByteArray frame = jsonFrame(object);
    const qint32 length = readBigEndianInt32(0, frame);
    QCOMPARE(length, qint32(frame.size() - 4)); // bytes, not characters
    QVERIFY(length > object.value("name").toString().size());
    QCOMPARE(QJsonDocument::fromJson(frame.mid(4)).object(), object);
    QVERIFY(!frame.contains('\n'));

    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "utils-record");
    db.setDatabaseName(":memory:");
    QVERIFY(db.open());
    {
        QSqlQuery query(db);
        QVERIFY(query.exec("SELECT 1 AS id, 'Иван' AS name, NULL AS note, 2.5 AS id"));
        QVERIFY(query.next());
        const QJsonObject row = jsonObjectFromRecord(query);
        QCOMPARE(row.keys(), QStringList({"id", "name", "note"}));
        QCOMPARE(row.value("id").toDouble(), 2.5);
        QCOMPARE(row.value("name").toString(), QString("Иван"));
        QVERIFY(row.contains("note"));
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("utils-record");
}

void TestUtils::scriptCalls()
{
    // Pages call through the meta-object with the shorter overloads; a failure gives an empty
    // text and the engine goes on.
    QObject owner; // a parent keeps the engine from taking the object over
    auto *utils = new Utils(&owner);
    QJSEngine engine;
    engine.globalObject().setProperty("utils", engine.newQObject(utils));
    MessageCatcher catcher;
    const QJSValue result = engine.evaluate(
        "[utils.localDateTime2UTCmsec('01.02.24', '10:00'),"
        " utils.localDateTime2UTCmsec('01.02.24', '10:00', 180),"
        " utils.localDateTime2UTCmsec('01.02.', 'ab:cd'),"
        " utils.localTimeToUtc('31.03.24', '02:30'),"
        " utils.formatDuration(2678400000),"
        " utils.utcmsec2LocalDateTime(0),"
        " utils.utcmsec2LocalDateTime(0, 'hh:mm'),"
        " utils.offset2Format(-90)].join('|')");
    QVERIFY2(!result.isError(), qPrintable(result.toString()));
    QCOMPARE(result.toString(),
             QString::number(utc(2024, 2, 1, 10, 0)) + "|" + QString::number(utc(2024, 2, 1, 7, 0))
                 + "||" + "|Days 31 00:00:00|01 Jan 1970, 00:00|00:00|-01:30");
    QCOMPARE(catcher.warnings.size(), 2);
    QCOMPARE(engine.evaluate("1 + 1").toInt(), 2);
}

QTEST_GUILESS_MAIN(TestUtils)
#include "tst_utils.moc"
