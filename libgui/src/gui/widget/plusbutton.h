#pragma once

#include "fapushbutton.h"

namespace Gui {

// Narrow green "plus" button (solid icon font).
class PlusButton : public FaPushButton
{
    Q_OBJECT

public:
    explicit PlusButton(QWidget *parent = nullptr);
    ~PlusButton() override;
};

} // namespace Gui
