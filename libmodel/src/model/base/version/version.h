#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Version records by code: the server's, and the recommended and minimal client versions.
class Version : public AbstractModel
{
public:
    Version();

    QString tableName() const override { return QStringLiteral("versions_tmp"); }
    bool createSystemRecords(Common::Db *db) override;
};

} // namespace Model::Base
