#include "countindicator.h"

#include <QPainter>

namespace Gui {

CountIndicator::CountIndicator(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(20, 20);
}

CountIndicator::~CountIndicator() = default;

int CountIndicator::count() const
{
    return m_count;
}

void CountIndicator::setCount(int count)
{
    m_count = count;
    update();
}

void CountIndicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(QStringLiteral("#ff2121")));
    painter.drawEllipse(rect());
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, QString::number(m_count));
}

} // namespace Gui
