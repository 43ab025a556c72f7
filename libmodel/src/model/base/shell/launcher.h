#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Rows of the launcher's command list, filled by the client itself; names no table.
class Launcher : public AbstractModel
{
public:
    Launcher();

    QString tableName() const override;
};

} // namespace Model::Base
