#pragma once

#include <QJsonObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

namespace Report {

// The options of a report request as every report reads them: a value may come as decimal text or
// as a JSON number (frames send texts, other callers numbers), and either reads the same.
class Options
{
public:
    explicit Options(const QJsonObject &options);

    // A text as it is, an integral number as its decimal text, any other number as its shortest
    // text; empty for anything else.
    QString text(const QString &key) const;
    // A decimal text or a number as a 64-bit integer; 0 when it is neither.
    qint64 toLongLong(const QString &key) const;
    int toInt(const QString &key) const { return int(toLongLong(key)); }
    bool flag(const QString &key) const { return m_options.value(key).toBool(false); }
    // The elements of an array, each read as text() reads a value.
    QStringList texts(const QString &key) const;
    // The period of the request as the statements bind it: the texts of "dt_utc_insert_start" and
    // "dt_utc_insert_end" as ":dt_utc_insert_start" and ":dt_utc_insert_end".
    QVariantMap periodBinds() const;

    static QString textOf(const QJsonValue &value);
    static qint64 longLongOf(const QJsonValue &value);

private:
    QJsonObject m_options;
};

} // namespace Report
