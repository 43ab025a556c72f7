#include "listview.h"

namespace Gui {

ListView::ListView(QWidget *parent)
    : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { emit doubleSelected(index.row()); });
}

ListView::~ListView() = default;

int ListView::currentRow() const
{
    return currentIndex().row();
}

void ListView::setCurrentRow(int row)
{
    if (model())
        setCurrentIndex(model()->index(row, 0));
}

int ListView::rowCount() const
{
    return model() ? model()->rowCount() : 0;
}

void ListView::selectPrevious()
{
    if (currentRow() > 0)
        setCurrentRow(currentRow() - 1);
}

void ListView::selectNext()
{
    if (currentRow() < rowCount() - 1)
        setCurrentRow(currentRow() + 1);
}

void ListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QListView::currentChanged(current, previous);
    emit currentRowChanged(current.row());
}

} // namespace Gui
