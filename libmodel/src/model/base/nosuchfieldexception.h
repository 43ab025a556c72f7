#pragma once

#include "common/core/exception/exception.h"

namespace Model {

// A catalogue was asked for a column it does not have.
class NoSuchFieldException : public Exception
{
public:
    NoSuchFieldException(const QString &fieldName, const QString &tableName);
    ~NoSuchFieldException() override;
};

} // namespace Model
