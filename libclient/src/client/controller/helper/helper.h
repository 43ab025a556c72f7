#pragma once

namespace Client::Controller::Helper {

// Base of the small mix-ins that controllers use to rewrite the rows they receive.
class Helper
{
public:
    virtual ~Helper();
};

} // namespace Client::Controller::Helper
