#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Key/value store of server settings, one text value per unique code.
class Value : public AbstractModel
{
public:
    Value();

    QString tableName() const override { return QStringLiteral("values"); }
};

} // namespace Model::Base
