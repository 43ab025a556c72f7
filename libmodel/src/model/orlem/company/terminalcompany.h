#pragma once

#include "model/base/owner/owner.h"

namespace Model::Orlem {

// Terminal companies (table "terminal_companies"): the owners that gateway companies belong to.
class TerminalCompany : public Base::Owner
{
public:
    TerminalCompany();
    ~TerminalCompany() override;

    QString tableName() const override;
};

} // namespace Model::Orlem
