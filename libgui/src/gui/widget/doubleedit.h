#pragma once

#include "lineedit.h"

namespace Gui {

// A line edit for a decimal number with a point as separator and no group separators.
class DoubleEdit : public LineEdit
{
    Q_OBJECT

public:
    explicit DoubleEdit(QWidget *parent = nullptr);
    ~DoubleEdit() override;
};

} // namespace Gui
