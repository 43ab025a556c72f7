#pragma once

#include "exception.h"

#include <QVariantMap>

class QSqlQuery;

// A failed SQL statement: the text, the statement, the driver's error and the bound values.
class SqlQueryException : public Exception
{
public:
    SqlQueryException(const QString &text, const QSqlQuery &query, const QVariantMap &boundValues);
    // For a statement run with its values written in: statement is the text with the names, and
    // the driver's echo of the statement it ran ("LINE 1: ...") is left out of the error.
    SqlQueryException(const QString &text, const QString &statement, const QSqlQuery &query,
                      const QVariantMap &boundValues);
    ~SqlQueryException() override;

    static QString compose(const QString &text, const QString &lastQuery, const QString &errorText,
                           const QVariantMap &boundValues);
    // The driver's error without the lines that quote the statement it ran, values and all.
    static QString withoutStatementEcho(const QString &errorText);
};
