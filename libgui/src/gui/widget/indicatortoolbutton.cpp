#include "indicatortoolbutton.h"

#include "countindicator.h"

#include <QResizeEvent>

namespace Gui {

IndicatorToolButton::IndicatorToolButton(const QString &glyph, int family, QWidget *parent)
    : FaToolButton(glyph, family, parent)
    , m_indicator(new CountIndicator(this))
{
    QFont iconFont = font();
    iconFont.setPointSize(20);
    setFont(iconFont);
    setStyleSheet(QStringLiteral("QToolButton { color: #ffdf5e }"));
    m_indicator->hide();
}

IndicatorToolButton::~IndicatorToolButton() = default;

void IndicatorToolButton::setCount(int count)
{
    m_indicator->setCount(count);
    m_indicator->setVisible(count != 0);
}

CountIndicator *IndicatorToolButton::indicator() const
{
    return m_indicator;
}

void IndicatorToolButton::resizeEvent(QResizeEvent *event)
{
    FaToolButton::resizeEvent(event);
    const QSize size = event->size();
    m_indicator->move((size.width() - m_indicator->width()) / 2 + 12, (size.height() - m_indicator->height()) / 2 - 7);
}

} // namespace Gui
