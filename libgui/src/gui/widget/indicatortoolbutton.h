#pragma once

#include "fatoolbutton.h"
#include "gui/helper/customlabelfontsize.h"

namespace Gui {

class CountIndicator;

// A yellow icon-font tool button with a count badge at the upper right of its glyph, shown while
// the count is not 0. Keeps its own font size.
class IndicatorToolButton : public FaToolButton, public Helper::CustomLabelFontSize
{
    Q_OBJECT

public:
    IndicatorToolButton(const QString &glyph, int family, QWidget *parent = nullptr);
    ~IndicatorToolButton() override;

    void setCount(int count);
    CountIndicator *indicator() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    CountIndicator *m_indicator;
};

} // namespace Gui
