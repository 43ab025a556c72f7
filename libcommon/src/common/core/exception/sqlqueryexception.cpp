#include "sqlqueryexception.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

SqlQueryException::SqlQueryException(const QString &text, const QSqlQuery &query,
                                     const QVariantMap &boundValues)
    : Exception(compose(text, query.lastQuery(), query.lastError().text(), boundValues))
{
}

SqlQueryException::SqlQueryException(const QString &text, const QString &statement, const QSqlQuery &query,
                                     const QVariantMap &boundValues)
    : Exception(compose(text, statement, withoutStatementEcho(query.lastError().text()), boundValues))
{
}

QString SqlQueryException::withoutStatementEcho(const QString &errorText)
{
    static const QRegularExpression echo(QStringLiteral("\\nLINE \\d+: [^\\n]*(\\n *\\^)?"));
    QString result = errorText;
    result.remove(echo);
    return result;
}

SqlQueryException::~SqlQueryException() = default;

QString SqlQueryException::compose(const QString &text, const QString &lastQuery,
                                   const QString &errorText, const QVariantMap &boundValues)
{
    QString message = text + QLatin1String(": ") + lastQuery + QLatin1String(": ") + errorText;
    if (!boundValues.isEmpty()) {
        const QJsonDocument values(QJsonObject::fromVariantMap(boundValues));
        message += QLatin1String(": ") + QString::fromUtf8(values.toJson(QJsonDocument::Compact));
    }
    return message;
}
