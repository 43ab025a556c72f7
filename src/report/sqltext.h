#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

namespace Report {

// Pieces of report SQL built from request values. Values are bound wherever the text allows it;
// where a value has to stand in the text (an id list or a period bound), it must be a decimal
// integer, and anything else is refused before the text is built.
namespace SqlText {

// "IN (0, :prefix0, :prefix1) ": one numbered placeholder per value, each bound in binds. The
// leading 0 keeps the list valid when there are no values.
QString placeholderList(const QString &prefix, const QVariantList &values, QVariantMap &binds);
QString placeholderList(const QString &prefix, const QStringList &values, QVariantMap &binds);

// The text itself when it is a decimal integer within 64 bits (an optional minus sign, digits);
// throws Exception naming what it is otherwise.
QString checkedInteger(const QString &text, const QString &what);
// Every element checked, joined with ",".
QString checkedIntegerList(const QStringList &texts, const QString &what);

// The step of a date_trunc: "hour", "day", "week", "month", "quarter" or "year"; throws Exception
// for anything else.
QString checkedStep(const QString &unit);
// The interval of one step for generate_series: "1 hours", ..., "3 months" for a quarter.
QString stepInterval(const QString &unit);

} // namespace SqlText
} // namespace Report
