#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Abstract base of driver and user groups: a unique name and a description.
class Group : public AbstractModel
{
public:
    Group();
    ~Group() override;
};

} // namespace Model::Base
