#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: the texts of the security option an option value belongs to, joined through its
// rst_id_so reference.
class SecurityOptionTexts
{
public:
    explicit SecurityOptionTexts(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
