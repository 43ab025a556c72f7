#pragma once

#include <QListView>

namespace Gui {

// A single-selection list that reports its current row and double clicks by row number.
class ListView : public QListView
{
    Q_OBJECT

public:
    explicit ListView(QWidget *parent = nullptr);
    ~ListView() override;

    int currentRow() const;
    void setCurrentRow(int row);
    int rowCount() const;
    void selectPrevious();
    void selectNext();

signals:
    void currentRowChanged(int row);
    void doubleSelected(int row);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
};

} // namespace Gui
