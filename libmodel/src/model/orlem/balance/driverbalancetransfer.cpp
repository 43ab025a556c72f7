#include "driverbalancetransfer.h"

namespace Model::Orlem {

DriverBalanceTransfer::DriverBalanceTransfer()
{
    // A deleted driver's transfers stay, pointing at the default row.
    declare("rst_id_owner_contributor",
            Field(REFERENCE, "drivers").setReference(FK_SET_DEFAULT, FK_CASCADE, SQL_BIGINTEGER, true, 1));
    declare("rst_id_owner_acceptor",
            Field(REFERENCE, "drivers").setReference(FK_SET_DEFAULT, FK_CASCADE, SQL_BIGINTEGER, true, 1));
}

} // namespace Model::Orlem
