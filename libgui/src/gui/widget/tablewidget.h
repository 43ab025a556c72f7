#pragma once

#include <QTableWidget>

namespace Gui {

// A read-only table of whole rows; a click on empty space keeps the selection.
class TableWidget : public QTableWidget
{
    Q_OBJECT

public:
    TableWidget(int rows, int columns, QWidget *parent = nullptr);
    ~TableWidget() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace Gui
