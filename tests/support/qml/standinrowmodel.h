#pragma once

#include <QObject>
#include <QVariantList>
#include <QVariantMap>

// Stands in for a controller's row model: rows as maps, their count, the row look-ups and the
// column titles that pages read.
class StandinRowModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int rowCount READ rowCount NOTIFY rowCountChanged)

public:
    explicit StandinRowModel(QObject *parent = nullptr);

    int rowCount() const { return m_rows.size(); }

    Q_INVOKABLE void addRow(const QVariantMap &row);
    Q_INVOKABLE void clear();
    Q_INVOKABLE QVariantMap data(int row) const;
    Q_INVOKABLE QVariant data(const QString &parameterRole, const QString &parameter,
                              const QString &valueRole) const;
    Q_INVOKABLE QString roleTitle(const QString &role) const;
    // Test control: the caption of a column.
    Q_INVOKABLE void setRoleTitle(const QString &role, const QString &title);

signals:
    void rowCountChanged(int rowCount);

private:
    QList<QVariantMap> m_rows;
    QVariantMap m_titles;
};
