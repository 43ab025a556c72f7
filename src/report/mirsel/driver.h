#pragma once

#include "report/perresultreport.h"

#include <QHash>
#include <QVector>

namespace Report::Mirsel {

// The consolidated driver report: per driver of a list the time online, the orders received,
// completed, cancelled and refused, the takings, the averages per 24 hours online and the average
// way and time to the client, with a totals row.
class Driver : public PerResultReport
{
public:
    explicit Driver(Common::Db *db);

    QJsonArray extractResult(const QJsonObject &params) override;

private:
    // One statement's rows by driver id (the first row of each id).
    using Rows = QHash<QString, QVariantMap>;
    struct Statement
    {
        QString name;
        QString sql;
        QVariantMap binds;
    };

    // The statements over the drivers of ids; those of a period bind periodBinds as well.
    QVector<Statement> statements(const QStringList &ids, const QVariantMap &periodBinds) const;
    Rows rowsOf(const Statement &statement);
    void writeResult(const QJsonObject &result, const Options &options, const QString &outputDir,
                     const QString &templatePath) override;
};

} // namespace Report::Mirsel
