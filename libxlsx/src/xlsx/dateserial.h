#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace Xlsx {

// Dates and times as the serial day numbers of a workbook: the 1900 system (with its
// fictitious 29 February 1900) or the 1904 system.
class DateSerial
{
public:
    // False for an invalid date or one the system cannot show (before its first day).
    static bool fromDate(const QDate &date, bool date1904, double *serial);
    static bool fromDateTime(const QDateTime &dateTime, bool date1904, double *serial);
    static double fromTime(const QTime &time);

    static QDate toDate(double serial, bool date1904);
    static QDateTime toDateTime(double serial, bool date1904);
    static QTime toTime(double serial);
};

} // namespace Xlsx
