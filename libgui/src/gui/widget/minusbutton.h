#pragma once

#include "fapushbutton.h"

namespace Gui {

// Narrow red "minus" button (solid icon font).
class MinusButton : public FaPushButton
{
    Q_OBJECT

public:
    explicit MinusButton(QWidget *parent = nullptr);
    ~MinusButton() override;
};

} // namespace Gui
