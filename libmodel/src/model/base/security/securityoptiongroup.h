#pragma once

#include "model/base/abstractmodel.h"

#include <QVector>

namespace Model::Base {

// Catalogue of the security option groups ("security_option_groups"), one per kind of record whose
// rights are managed. Seeds the groups that populateListControllerName lists.
class SecurityOptionGroup : public AbstractModel
{
public:
    struct Record
    {
        QString groupName;
        QString code;
    };

    SecurityOptionGroup();
    ~SecurityOptionGroup() override;

    QString tableName() const override { return QStringLiteral("security_option_groups"); }
    // Inserts every listed group whose code is not stored yet; stored groups stay as they are.
    bool createSystemRecords(Common::Db *db) override;
    // Appends the groups to the seed list (it is not cleared first).
    virtual bool populateListControllerName(Common::Db *db) = 0;

    const QVector<Record> &records() const { return m_records; }

protected:
    void appendRecord(const Record &record) { m_records.append(record); }

private:
    Q_DISABLE_COPY_MOVE(SecurityOptionGroup)

    QVector<Record> m_records;
};

} // namespace Model::Base
