#include "sqltext.h"

#include "common/core/exception/exception.h"

#include <algorithm>

namespace Report::SqlText {

QString placeholderList(const QString &prefix, const QVariantList &values, QVariantMap &binds)
{
    QString text = QStringLiteral("IN (0");
    for (int i = 0; i < values.size(); ++i) {
        const QString name = QLatin1Char(':') + prefix + QString::number(i);
        text += QLatin1String(", ") + name;
        binds.insert(name, values.at(i));
    }
    return text + QLatin1String(") ");
}

QString placeholderList(const QString &prefix, const QStringList &values, QVariantMap &binds)
{
    QVariantList variants;
    variants.reserve(values.size());
    for (const QString &value : values)
        variants.append(value);
    return placeholderList(prefix, variants, binds);
}

QString checkedInteger(const QString &text, const QString &what)
{
    bool ok = false;
    text.toLongLong(&ok);
    const bool digitsOnly = !text.isEmpty()
        && std::all_of(text.cbegin() + (text.startsWith(QLatin1Char('-')) ? 1 : 0), text.cend(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    if (!ok || !digitsOnly)
        throw Exception(QStringLiteral("%1 is not a decimal integer: \"%2\"").arg(what, text.left(64)));
    return text;
}

QString checkedIntegerList(const QStringList &texts, const QString &what)
{
    QStringList checked;
    checked.reserve(texts.size());
    for (const QString &text : texts)
        checked.append(checkedInteger(text, what));
    return checked.join(QLatin1Char(','));
}

QString checkedStep(const QString &unit)
{
    static const QStringList steps{QStringLiteral("hour"), QStringLiteral("day"), QStringLiteral("week"),
                                   QStringLiteral("month"), QStringLiteral("quarter"), QStringLiteral("year")};
    if (!steps.contains(unit))
        throw Exception(QStringLiteral("Unknown report step \"%1\": one of %2 is expected")
                            .arg(unit.left(64), steps.join(QLatin1String(", "))));
    return unit;
}

QString stepInterval(const QString &unit)
{
    return checkedStep(unit) == QLatin1String("quarter") ? QStringLiteral("3 months") : QStringLiteral("1 %1s").arg(unit);
}

} // namespace Report::SqlText
