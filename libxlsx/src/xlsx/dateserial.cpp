#include "xlsx/dateserial.h"

#include <cmath>

namespace Xlsx {

namespace {

const qint64 msPerDay = 86400000;

qint64 epoch(bool date1904)
{
    return date1904 ? QDate(1904, 1, 1).toJulianDay() : QDate(1899, 12, 30).toJulianDay();
}

} // namespace

bool DateSerial::fromDate(const QDate &date, bool date1904, double *serial)
{
    if (!date.isValid() || date.year() > 9999)
        return false;
    if (date1904) {
        if (date < QDate(1904, 1, 1))
            return false;
        *serial = double(date.toJulianDay() - epoch(true));
        return true;
    }
    if (date < QDate(1900, 1, 1))
        return false;
    qint64 days = date.toJulianDay() - epoch(false);
    if (date < QDate(1900, 3, 1))
        --days; // serial 60 is the 29 February 1900 that never was
    *serial = double(days);
    return true;
}

bool DateSerial::fromDateTime(const QDateTime &dateTime, bool date1904, double *serial)
{
    if (!dateTime.isValid() || !fromDate(dateTime.date(), date1904, serial))
        return false;
    *serial += fromTime(dateTime.time());
    return true;
}

double DateSerial::fromTime(const QTime &time)
{
    if (!time.isValid())
        return 0;
    return double(time.msecsSinceStartOfDay()) / double(msPerDay);
}

QDate DateSerial::toDate(double serial, bool date1904)
{
    return toDateTime(serial, date1904).date();
}

QDateTime DateSerial::toDateTime(double serial, bool date1904)
{
    if (!std::isfinite(serial) || serial < 0 || serial > 2958466)
        return {};
    qint64 ms = qint64(std::llround(serial * double(msPerDay)));
    qint64 days = ms / msPerDay;
    ms %= msPerDay;
    if (!date1904 && days < 61) {
        if (days == 60)
            return QDateTime(QDate(1900, 2, 28), QTime::fromMSecsSinceStartOfDay(int(ms)));
        if (days >= 1)
            ++days; // before the fictitious leap day the count is one short
        else
            return QDateTime(QDate(1899, 12, 31), QTime::fromMSecsSinceStartOfDay(int(ms))); // "day 0"
    }
    return QDateTime(QDate::fromJulianDay(epoch(date1904) + days), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QTime DateSerial::toTime(double serial)
{
    if (!std::isfinite(serial) || serial < 0)
        return {};
    const qint64 ms = qint64(std::llround((serial - std::floor(serial)) * double(msPerDay))) % msPerDay;
    return QTime::fromMSecsSinceStartOfDay(int(ms));
}

} // namespace Xlsx
