#pragma once

#include "exception.h"

#include <QVariantMap>

class QSqlQuery;

// A failed SQL statement: the text, the statement, the driver's error and the bound values.
class SqlQueryException : public Exception
{
public:
    SqlQueryException(const QString &text, const QSqlQuery &query, const QVariantMap &boundValues);
    ~SqlQueryException() override;

    static QString compose(const QString &text, const QString &lastQuery, const QString &errorText,
                           const QVariantMap &boundValues);
};
