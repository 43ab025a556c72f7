#include "tablecontainer.h"

namespace Gui {

TableContainer::TableContainer() = default;

TableContainer::~TableContainer() = default;

} // namespace Gui
