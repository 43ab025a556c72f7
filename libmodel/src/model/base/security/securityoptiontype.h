#pragma once

#include "model/base/abstractmodel.h"

#include <QVector>

namespace Model::Base {

// Catalogue of the security option types ("security_option_types"), each in an option group.
// Seeds the types that populateListControllerName lists.
class SecurityOptionType : public AbstractModel
{
public:
    struct Record
    {
        QString groupId;
        QString typeName;
        QString code;
    };

    SecurityOptionType();
    ~SecurityOptionType() override;

    QString tableName() const override { return QStringLiteral("security_option_types"); }
    // Inserts every listed type whose code is not stored yet; stored types stay as they are.
    bool createSystemRecords(Common::Db *db) override;
    // Appends the types to the seed list (it is not cleared first); reads the stored groups.
    virtual bool populateListControllerName(Common::Db *db) = 0;

    const QVector<Record> &records() const { return m_records; }

protected:
    void appendRecord(const Record &record) { m_records.append(record); }

private:
    Q_DISABLE_COPY_MOVE(SecurityOptionType)

    QVector<Record> m_records;
};

} // namespace Model::Base
