#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Media items such as a driver's photos, tied to a driver and a car, with an approval mark.
class Media : public AbstractModel
{
public:
    Media();

    QString tableName() const override { return QStringLiteral("media"); }
};

} // namespace Model::Base
