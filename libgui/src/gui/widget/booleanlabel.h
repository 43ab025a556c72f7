#pragma once

#include "colorlabel.h"

namespace Gui {

// A label shown green for true and red for false.
class BooleanLabel : public ColorLabel
{
    Q_OBJECT

public:
    explicit BooleanLabel(QWidget *parent = nullptr);
    ~BooleanLabel() override;

    void setValue(bool value);
};

} // namespace Gui
