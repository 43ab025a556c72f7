#pragma once

#include "model/base/abstractmodel.h"

#include <QVector>

namespace Model::Base {

// Catalogue of the security options ("security_options"): one named right or setting of an option
// type, granted to groups and users. Seeds the options that populateListControllerName lists;
// this class lists none.
class SecurityOption : public AbstractModel
{
public:
    struct Record
    {
        QString typeId;
        QString optionName;
        QString code;
        QString dataType;
        QString keyWords;
        QString isVisible;
        QString description;
    };

    SecurityOption();
    ~SecurityOption() override;

    QString tableName() const override { return QStringLiteral("security_options"); }
    // Inserts every listed option whose code is not stored yet; stored options stay as they are.
    bool createSystemRecords(Common::Db *db) override;
    // Appends the options to the seed list (it is not cleared first).
    virtual bool populateListControllerName(Common::Db *db);

    const QVector<Record> &records() const { return m_records; }

protected:
    void appendRecord(const Record &record) { m_records.append(record); }

private:
    Q_DISABLE_COPY_MOVE(SecurityOption)

    QVector<Record> m_records;
};

} // namespace Model::Base
