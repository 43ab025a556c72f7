#pragma once

#include "ownerkeepertable.h"

#include <QPointer>
#include <QVariant>

namespace Gui {

// The owner table of a report frame with its buttons: plus opens the owners' list page for a
// multiple choice, minus removes the current row, "Remove All" empties the table.
class InteractiveOwnerKeeperTable : public OwnerKeeperTable
{
    Q_OBJECT

public:
    // With buttons; the plus button only when sourceUrl is not empty.
    InteractiveOwnerKeeperTable(const QString &sourceUrl, QWidget *messageParent, QWidget *parent = nullptr);
    // Without any button: the owners come from the frame that holds the table.
    explicit InteractiveOwnerKeeperTable(QWidget *parent = nullptr);
    ~InteractiveOwnerKeeperTable() override;

    // False, with "Absent owners for creating report", when no owner is kept.
    bool isValid();
    // Takes the rows a list page selected: maps with "id" and "sign". Rows whose id is not a
    // whole number are skipped with a logged warning.
    void addSelection(const QVariant &result);

    static QString absentOwnersText();

private slots:
    void onPlusButtonClicked();
    void onMinusButtonClicked();
    void onRemoveAllButtonClicked();
    void onSourceTableSelect(QVariant result);

private:
    QString m_sourceUrl;
    QPointer<QWidget> m_messageParent;
};

} // namespace Gui
