#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QSqlQuery;

// Helpers the QML pages call: password digest, UTC offsets, date and time conversions,
// durations, caller identifiers, a weighted random choice and the coefficient colour scale.
// No invokable lets an exception escape: a failure is logged and gives the empty result.
class Utils : public QObject
{
    Q_OBJECT

public:
    explicit Utils(QObject *parent = nullptr);
    ~Utils() override;

    // The clock that decides "today", "yesterday" and "tomorrow"; invalid in this class.
    virtual QDateTime currentDateTime();

    Q_INVOKABLE QString getPwdHash(const QString &data);
    Q_INVOKABLE QString offset2Format(qlonglong offset);
    Q_INVOKABLE QVariantMap parseURI(const QString &remoteUri);
    Q_INVOKABLE QString descreteDistribution(const QVariantMap &abs_weights);
    Q_INVOKABLE QString unique4call();
    Q_INVOKABLE int dayOfWeek(qlonglong epoch);
    Q_INVOKABLE qlonglong addYears2DateTime(qlonglong value, int nyears);
    Q_INVOKABLE qlonglong addMonths2DateTime(qlonglong value, int nmonths);
    Q_INVOKABLE QString localDateTime2UTCmsec(const QString &date, const QString &time,
                                              qlonglong offset_minutes = 0,
                                              bool is_short_year = true);
    Q_INVOKABLE QString localTimeToUtc(const QString &date, const QString &time,
                                       bool is_short_year = true);
    // The moment at the offset, in format or in the form that suits its distance from today;
    // empty, with a logged warning, outside the years 1 to 9999.
    Q_INVOKABLE QString utcmsec2LocalDateTime(qlonglong epoch, const QString &format = QString(),
                                              qlonglong offset_minutes = 0);
    // The same for a text of epoch milliseconds as records hold it; empty, with a logged warning,
    // when the text is not a whole number.
    Q_INVOKABLE QString utcmsecText2LocalDateTime(const QString &epoch, const QString &format = QString(),
                                                  qlonglong offset_minutes = 0);
    Q_INVOKABLE QString utcToLocalTime(qlonglong epoch, const QString &format);
    Q_INVOKABLE QString formatDuration(qlonglong msecs, const QString &format = QString());
    Q_INVOKABLE QString formatHourDuration(qlonglong msecs);
    Q_INVOKABLE QString dynamicCoefficientColor(double coefficient, double limit);
};

// The four bytes at offset as a signed big-endian integer; 0 when fewer than four are there.
qint32 readBigEndianInt32(int offset, const QByteArray &data);

// The object as compact JSON after its byte length as a signed 32-bit big-endian integer.
QByteArray jsonFrame(const QJsonObject &object);

// The current row of a query, one member per column; a later column of the same name wins.
QJsonObject jsonObjectFromRecord(const QSqlQuery &query);
