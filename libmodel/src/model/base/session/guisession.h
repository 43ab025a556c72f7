#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// A saved desktop layout: its name, the open frames as JSON, and the auto-save and default
// switches. A field list only; the owner reference is declared by the table that keeps them.
class GuiSession : public AbstractModel
{
public:
    GuiSession();

    QString tableName() const override;
};

} // namespace Model::Base
