#include "conversionlocaldatetimeexception.h"

ConversionLocalDateTimeException::ConversionLocalDateTimeException(const QString &date,
                                                                   const QString &time)
    : Exception(QStringLiteral("Conversion error. Date: %1. Time: %2").arg(date, time))
{
}

ConversionLocalDateTimeException::~ConversionLocalDateTimeException() = default;
