#include "apinetwork.h"

namespace Common {

ApiNetwork::ApiNetwork()
{
    NetDTO::registerMetaTypes();
}

ApiNetwork::~ApiNetwork() = default;

} // namespace Common
