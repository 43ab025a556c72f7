#pragma once

#include "gui/helper/customlabelfontsize.h"

#include <QLabel>

namespace Gui {

// The large time of the tool bar's clock; keeps its own font size when the user changes the
// application's.
class ClockTimeLabel : public QLabel, public Helper::CustomLabelFontSize
{
    Q_OBJECT

public:
    explicit ClockTimeLabel(QWidget *parent = nullptr);
    ~ClockTimeLabel() override;
};

} // namespace Gui
