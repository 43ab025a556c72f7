#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: the client-side end-session monitor of a user or user group.
class ClientSideEndSession
{
public:
    explicit ClientSideEndSession(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
