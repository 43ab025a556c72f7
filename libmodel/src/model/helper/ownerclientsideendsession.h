#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: a user's override of its group's end-session monitor.
class OwnerClientSideEndSession
{
public:
    explicit OwnerClientSideEndSession(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
