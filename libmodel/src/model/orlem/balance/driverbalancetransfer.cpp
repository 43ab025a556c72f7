#include "driverbalancetransfer.h"

namespace Model::Orlem {

DriverBalanceTransfer::DriverBalanceTransfer()
{
    // A deleted driver's transfers stay, pointing at the default row.
    declare("rst_id_owner_contributor", Field::referenceTo("drivers", FK_SET_DEFAULT));
    declare("rst_id_owner_acceptor", Field::referenceTo("drivers", FK_SET_DEFAULT));
}

} // namespace Model::Orlem
