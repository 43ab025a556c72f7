#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: an owner's sex.
class Sex
{
public:
    explicit Sex(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
