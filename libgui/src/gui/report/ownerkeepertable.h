#pragma once

#include <QJsonArray>
#include <QPair>
#include <QVector>
#include <QWidget>

class QTableWidget;

namespace Gui {

// The owners (drivers) a report is about: one row per owner, its id and its display name.
class OwnerKeeperTable : public QWidget
{
    Q_OBJECT

public:
    explicit OwnerKeeperTable(QWidget *parent = nullptr);
    ~OwnerKeeperTable() override;

    QTableWidget *table() const;
    // Appends the owner unless a row with that id is kept already.
    void addOwner(qint64 id, const QString &name);
    // Appends, in order and at once, the owners whose ids are not kept yet.
    void addOwners(const QVector<QPair<qint64, QString>> &owners);
    bool hasOwner(qint64 id) const;
    int ownerCount() const;
    // The ids as integers, in row order.
    QJsonArray ownerIds() const;
    QList<qint64> ownerIdList() const;
    // The ids as their decimal texts, in row order.
    QJsonArray ownerIdTexts() const;
    QJsonArray ownerNames() const;

private:
    QTableWidget *m_table;
};

} // namespace Gui
