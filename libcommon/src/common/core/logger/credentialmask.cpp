#include "credentialmask.h"

#include <QRegularExpression>

namespace Common {

namespace {

const QString keys = QStringLiteral("SID|sid|pwd|password|pwd_confirm|old_pwd");
const QString mask = QStringLiteral("***");

// "#SID=value" up to the next unescaped "#".
const QRegularExpression &textForm()
{
    static const QRegularExpression re(QStringLiteral("(#(?:%1)=)(?:[^#]|(?<=/)#)*").arg(keys));
    return re;
}

// "\"sid\": \"value\"" with escaped quotes inside the value.
const QRegularExpression &jsonForm()
{
    static const QRegularExpression re(QStringLiteral("(\"(?:%1)\"\\s*:\\s*\")(?:[^\"\\\\]|\\\\.)*\"").arg(keys));
    return re;
}

// QDebug's map form: ("pwd", QVariant(QString, "value")).
const QRegularExpression &debugForm()
{
    static const QRegularExpression re(
        QStringLiteral("(\\(\"(?:%1)\", QVariant\\(\\w+, \")(?:[^\"\\\\]|\\\\.)*\"").arg(keys));
    return re;
}

} // namespace

QString maskCredentials(const QString &text)
{
    if (!text.contains(QLatin1String("sid"), Qt::CaseInsensitive) && !text.contains(QLatin1String("pwd"))
        && !text.contains(QLatin1String("password"))) {
        return text;
    }
    QString result = text;
    result.replace(textForm(), QStringLiteral("\\1") + mask);
    result.replace(jsonForm(), QStringLiteral("\\1") + mask + QStringLiteral("\""));
    result.replace(debugForm(), QStringLiteral("\\1") + mask + QStringLiteral("\""));
    return result;
}

} // namespace Common
