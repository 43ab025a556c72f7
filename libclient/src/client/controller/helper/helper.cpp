#include "helper.h"

namespace Client::Controller::Helper {

Helper::~Helper() = default;

} // namespace Client::Controller::Helper
