#include "completer.h"

namespace Gui {

Completer::Completer(QWidget *parent)
    : ListView(parent)
{
    setWindowFlags(Qt::ToolTip);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { emit doubleSelected(index.row()); }, Qt::DirectConnection);
}

Completer::~Completer() = default;

} // namespace Gui
