#include "utils.h"

#include "common/core/exception/conversionlocaldatetimeexception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QThread>
#include <QtEndian>

#include <cmath>
#include <limits>
#include <random>

namespace {

// Offsets from UTC are bounded to fourteen hours either way.
constexpr qlonglong MaxOffsetMinutes = 14 * 60;

bool offsetInRange(qlonglong minutes)
{
    return minutes >= -MaxOffsetMinutes && minutes <= MaxOffsetMinutes;
}

// Shown moments lie in the years that every date format writes as they are.
bool yearShown(const QDate &date)
{
    return date.isValid() && date.year() >= 1 && date.year() <= 9999;
}

// At most the first 40 characters of a text, for a log line.
QString logExcerpt(const QString &text)
{
    constexpr int length = 40;
    return text.size() > length ? text.left(length) + QStringLiteral("...") : text;
}

// One part of a date or time text: decimal digits only, small enough for an int.
bool readPart(const QString &text, int *value)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    if (!ok || number > std::numeric_limits<int>::max())
        return false;
    *value = int(number);
    return true;
}

// Exactly three parts, each read as readPart reads it.
bool readThreeParts(const QStringList &parts, int *first, int *second, int *third)
{
    return parts.size() == 3 && readPart(parts.at(0), first) && readPart(parts.at(1), second)
        && readPart(parts.at(2), third);
}

struct DateAndTime
{
    QDate date;
    QTime time;
};

// "dd.MM.yy" and "hh:mm[:ss]" as a calendar date and a time of day; throws when they are not.
DateAndTime parseDateAndTime(const QString &date, const QString &time, bool isShortYear)
{
    int day = 0;
    int month = 0;
    int year = 0;
    if (!readThreeParts(date.split(QLatin1Char('.')), &day, &month, &year))
        throw ConversionLocalDateTimeException(date, time);
    if (isShortYear && year < 100)
        year += 2000;
    const QDate calendarDate(year, month, day);
    if (!calendarDate.isValid())
        throw ConversionLocalDateTimeException(date, time);

    QStringList timeParts = time.split(QLatin1Char(':'));
    if (timeParts.size() == 2)
        timeParts.append(timeParts.at(1) == QLatin1String("59") ? QStringLiteral("59")
                                                                 : QStringLiteral("00"));
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    if (!readThreeParts(timeParts, &hours, &minutes, &seconds))
        throw ConversionLocalDateTimeException(date, time);
    const QTime timeOfDay(hours, minutes, seconds);
    if (!timeOfDay.isValid())
        throw ConversionLocalDateTimeException(date, time);
    return {calendarDate, timeOfDay};
}

// Milliseconds since the epoch, as text, of the date and time read as the given kind of time; throws
// when there is no such moment (a local time in a daylight-saving gap does not exist either).
QString epochText(const QString &date, const QString &time, bool isShortYear, Qt::TimeSpec timeSpec,
                  int offsetSeconds = 0)
{
    const DateAndTime parsed = parseDateAndTime(date, time, isShortYear);
    const QDateTime dateTime(parsed.date, parsed.time, timeSpec, offsetSeconds);
    if (!dateTime.isValid())
        throw ConversionLocalDateTimeException(date, time);
    return QString::number(dateTime.toMSecsSinceEpoch());
}

// A number in [0, 1) from two successive outputs of the process-wide generator.
double nextUniform()
{
    static std::mt19937 generator(5489u);
    const double low = generator();
    const double high = generator();
    return (low + high * 4294967296.0) / 18446744073709551616.0;
}

void logWarning(const QString &location, const Exception &e)
{
    Logger::instance(0)->warning(Common::warningLine(location, e.message()));
}

} // namespace

Utils::Utils(QObject *parent)
    : QObject(parent)
{
}

Utils::~Utils() = default;

QDateTime Utils::currentDateTime()
{
    return QDateTime();
}

QString Utils::getPwdHash(const QString &data)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(data.toUtf8(), QCryptographicHash::Md5).toHex());
}

QString Utils::offset2Format(qlonglong offset)
{
    const QString sign = offset == 0 ? QString()
                         : offset < 0 ? QStringLiteral("-")
                                      : QStringLiteral("+");
    const qlonglong hours = offset / 60;
    const qlonglong minutes = qAbs(offset - hours * 60);
    return sign
        + QStringLiteral("%1:%2")
              .arg(qAbs(hours), 2, 10, QLatin1Char('0'))
              .arg(minutes, 2, 10, QLatin1Char('0'));
}

QVariantMap Utils::parseURI(const QString &remoteUri)
{
    static const QRegularExpression pattern(QString::fromUtf8(
        R"re(^("((?<CALLERID>[0-9a-zA-Zа-яА-Я_]+)?-?(?<UNIQUEID>\w+\.?\w+)?")?)?(\s+)?(<?(sip:)?(?<PHONE>[+\-!#$%^&0-9a-zA-Zа-яА-Я_]+)@?(?<SERVER>((\w+)|(\d+.\d+.\d+.\d+)))?(:(?<PORT>\d{1,5})?)?>?$))re"));
    const QRegularExpressionMatch match = pattern.match(remoteUri.simplified());
    QVariantMap parts;
    for (const char *name : {"CALLERID", "PHONE", "SERVER", "UNIQUEID", "PORT"}) {
        const QString key = QString::fromLatin1(name);
        parts.insert(key, match.hasMatch() ? match.captured(key) : QString());
    }
    return parts;
}

QString Utils::descreteDistribution(const QVariantMap &abs_weights)
{
    if (abs_weights.isEmpty())
        return QString();
    // No sensible distribution (a negative or unreadable weight, or nothing to share): first key.
    QVector<double> weights;
    weights.reserve(abs_weights.size());
    double sum = 0.0;
    for (const QVariant &value : abs_weights) {
        const double weight = value.toDouble();
        if (!std::isfinite(weight) || weight < 0.0)
            return abs_weights.firstKey();
        weights.append(weight);
        sum += weight;
    }
    if (!std::isfinite(sum) || sum <= 0.0)
        return abs_weights.firstKey();

    const double u = nextUniform();
    double cumulative = 0.0;
    int index = 0;
    for (auto it = abs_weights.cbegin(); it != abs_weights.cend(); ++it, ++index) {
        cumulative += sum == 1.0 ? weights.at(index) : weights.at(index) / sum;
        if (cumulative >= u)
            return it.key();
    }
    return abs_weights.lastKey();
}

QString Utils::unique4call()
{
    // Successive calls land on different milliseconds, so on different seeds.
    QThread::msleep(2);
    const auto seed = quint32(quint64(QDateTime::currentMSecsSinceEpoch()) << 16);
    QRandomGenerator generator(seed);
    const quint64 value = (quint64(generator.generate()) * 1000000u) >> 32;
    return QStringLiteral("%1").arg(value, 6, 10, QLatin1Char('0'));
}

int Utils::dayOfWeek(qlonglong epoch)
{
    return QDateTime::fromMSecsSinceEpoch(epoch).date().dayOfWeek();
}

qlonglong Utils::addYears2DateTime(qlonglong value, int nyears)
{
    return QDateTime::fromMSecsSinceEpoch(value).addYears(nyears).toMSecsSinceEpoch();
}

qlonglong Utils::addMonths2DateTime(qlonglong value, int nmonths)
{
    return QDateTime::fromMSecsSinceEpoch(value).addMonths(nmonths).toMSecsSinceEpoch();
}

QString Utils::localDateTime2UTCmsec(const QString &date, const QString &time,
                                     qlonglong offset_minutes, bool is_short_year)
{
    try {
        if (!offsetInRange(offset_minutes))
            throw ConversionLocalDateTimeException(date, time);
        return epochText(date, time, is_short_year, Qt::OffsetFromUTC, int(offset_minutes * 60));
    } catch (const Exception &e) {
        logWarning(COMMON_LOCATION, e);
        return QString();
    }
}

QString Utils::localTimeToUtc(const QString &date, const QString &time, bool is_short_year)
{
    try {
        return epochText(date, time, is_short_year, Qt::LocalTime);
    } catch (const Exception &e) {
        logWarning(COMMON_LOCATION, e);
        return QString();
    }
}

QString Utils::utcmsec2LocalDateTime(qlonglong epoch, const QString &format,
                                     qlonglong offset_minutes)
{
    try {
        if (!offsetInRange(offset_minutes))
            throw Exception(
                QStringLiteral("UTC offset out of range: %1 minutes").arg(offset_minutes));
        const QDateTime dateTime =
            QDateTime::fromMSecsSinceEpoch(epoch, Qt::OffsetFromUTC, int(offset_minutes * 60));
        if (!yearShown(dateTime.date()))
            throw Exception(QStringLiteral("Time out of range: %1 ms").arg(epoch));
        if (!format.isEmpty())
            return dateTime.toString(format);

        const QDateTime now = currentDateTime();
        const QDate day = dateTime.date();
        const QDate today = now.date();
        if (today.isValid() && day == today)
            return dateTime.toString(QStringLiteral("hh:mm"));
        if (today.isValid() && day == today.addDays(-1))
            return QCoreApplication::translate("QObject", "yesterday, ")
                + dateTime.toString(QStringLiteral("hh:mm"));
        if (today.isValid() && day == today.addDays(1))
            return QCoreApplication::translate("QObject", "tomorrow, ")
                + dateTime.toString(QStringLiteral("hh:mm"));
        if (today.isValid() && day.year() == today.year())
            return dateTime.toString(QStringLiteral("dd MMM hh:mm"));
        return dateTime.toString(QStringLiteral("dd MMM yyyy, hh:mm"));
    } catch (const Exception &e) {
        logWarning(COMMON_LOCATION, e);
        return QString();
    }
}

QString Utils::utcmsecText2LocalDateTime(const QString &epoch, const QString &format,
                                         qlonglong offset_minutes)
{
    bool ok = false;
    const qlonglong msecs = epoch.trimmed().toLongLong(&ok);
    if (!ok) {
        logWarning(COMMON_LOCATION,
                   Exception(QStringLiteral("Not a time in milliseconds: \"%1\"").arg(logExcerpt(epoch))));
        return QString();
    }
    return utcmsec2LocalDateTime(msecs, format, offset_minutes);
}

QString Utils::utcToLocalTime(qlonglong epoch, const QString &format)
{
    return QDateTime::fromMSecsSinceEpoch(epoch).toString(format);
}

QString Utils::formatDuration(qlonglong msecs, const QString &format)
{
    const QDateTime dateTime = QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
    const qint64 days = QDate(1970, 1, 1).daysTo(dateTime.date());
    const QString time = dateTime.toString(format.isEmpty() ? QStringLiteral("hh:mm:ss") : format);
    if (days >= 1)
        return tr("Days %1 ").arg(days) + time;
    return time;
}

QString Utils::formatHourDuration(qlonglong msecs)
{
    constexpr qlonglong msecsPerHour = 3600 * 1000;
    qlonglong hours = msecs / msecsPerHour;
    if (msecs % msecsPerHour < 0)
        --hours;
    return QString::number(hours) + QLatin1Char(':')
        + QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC).toString(QStringLiteral("mm:ss"));
}

QString Utils::dynamicCoefficientColor(double coefficient, double limit)
{
    static const char *const colours[] = {"#FFFFFF", "#FFFFE0", "#FFFF00", "#FFA07A",
                                          "#FFA500", "#F08080", "#FF0000", "#CC0033",
                                          "#800020", "#EE82EE", "#9400D3"};
    constexpr int last = int(sizeof(colours) / sizeof(colours[0])) - 1;
    // A limit of 1.0 or less leaves no scale to place the coefficient on.
    if (!std::isfinite(coefficient) || !std::isfinite(limit) || coefficient < 1.0
        || coefficient > limit || limit <= 1.0)
        return QString::fromLatin1(colours[0]);
    const double step = std::ceil(last * (coefficient - 1.0) / (limit - 1.0));
    return QString::fromLatin1(colours[qBound(0, int(step), last)]);
}

qint32 readBigEndianInt32(int offset, const QByteArray &data)
{
    if (offset < 0 || data.size() - offset < 4)
        return 0;
    return qFromBigEndian<qint32>(data.constData() + offset);
}

QByteArray jsonFrame(const QJsonObject &object)
{
    const QByteArray payload = QJsonDocument(object).toJson(QJsonDocument::Compact);
    QByteArray frame(4, Qt::Uninitialized);
    qToBigEndian<qint32>(qint32(payload.size()), frame.data());
    return frame + payload;
}

QJsonObject jsonObjectFromRecord(const QSqlQuery &query)
{
    const QSqlRecord record = query.record();
    QJsonObject object;
    for (int i = 0; i < record.count(); ++i)
        object.insert(record.fieldName(i), QJsonValue::fromVariant(query.value(i)));
    return object;
}
