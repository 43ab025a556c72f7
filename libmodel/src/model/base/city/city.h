#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Catalogue of the cities ("cities"): a unique name and the outline as text.
class City : public AbstractModel
{
public:
    City();
    ~City() override;

    QString tableName() const override { return QStringLiteral("cities"); }
};

} // namespace Model::Base
