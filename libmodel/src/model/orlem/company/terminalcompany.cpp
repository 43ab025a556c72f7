#include "terminalcompany.h"

namespace Model::Orlem {

TerminalCompany::TerminalCompany()
{
    field(QStringLiteral("sign")).clearFlags(NON_UPDATABLE);
    declareReference(QStringLiteral("rst_id_group"), QStringLiteral("terminal_company_groups"), QString());
    declareColumn(QStringLiteral("rst_id_slt"), SQL_BIGINTEGER, true, 1, QString());
    declareColumn(QStringLiteral("dt_registration"), SQL_BIGINTEGER, true, 1, QString());
}

TerminalCompany::~TerminalCompany() = default;

QString TerminalCompany::tableName() const
{
    return QStringLiteral("terminal_companies");
}

} // namespace Model::Orlem
