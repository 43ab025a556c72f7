#pragma once

#include "exception.h"

// A date and time text pair that does not make a valid local date and time.
class ConversionLocalDateTimeException : public Exception
{
public:
    ConversionLocalDateTimeException(const QString &date, const QString &time);
    ~ConversionLocalDateTimeException() override;
};
