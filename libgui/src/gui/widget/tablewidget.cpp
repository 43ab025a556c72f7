#include "tablewidget.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace Gui {

TableWidget::TableWidget(int rows, int columns, QWidget *parent)
    : QTableWidget(rows, columns, parent)
{
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
}

TableWidget::~TableWidget() = default;

void TableWidget::mousePressEvent(QMouseEvent *event)
{
    if (indexAt(event->pos()).isValid())
        QTableWidget::mousePressEvent(event);
}

} // namespace Gui
