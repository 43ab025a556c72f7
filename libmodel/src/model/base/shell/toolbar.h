#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Rows of the tool bar's tree of menus and commands, filled by the client itself; names no table.
class ToolBar : public AbstractModel
{
public:
    ToolBar();

    QString tableName() const override;
};

} // namespace Model::Base
