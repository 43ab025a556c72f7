#pragma once

#include "standarddialog.h"

#include <QList>

class QVBoxLayout;

namespace Gui {
class PlusButton;
}

namespace Gui::Dialog {

class IntervalWidget;

// Edits an interval text such as "5=10;10=8.5;20=7": one row per threshold and value.
class IntervalEditor : public StandardDialog
{
    Q_OBJECT

public:
    IntervalEditor(const QString &intervals, int type, QWidget *parent = nullptr);
    ~IntervalEditor() override;

    // The rows as "threshold=value" joined by ";", decimal commas written as points.
    Q_INVOKABLE QString intervals() const;
    IntervalWidget *addInterval(const QString &entry);
    QList<IntervalWidget *> rows() const;
    PlusButton *addButton() const;

public slots:
    // Closes only when every row holds two numbers; otherwise says which and stays open.
    void accept() override;

private:
    void removeInterval(IntervalWidget *row);
    QString rowError(const IntervalWidget *row) const;

    int m_type;
    PlusButton *m_add;
    QVBoxLayout *m_rows;
    QList<IntervalWidget *> m_rowList;
};

} // namespace Gui::Dialog
