#pragma once

#include "standarddialog.h"

#include <QVariantList>

namespace Gui {
class TableWidget;
}

namespace Gui::Dialog {

// Lists a controller's columns by title and role; Ok reports the roles of the selected rows.
class Roles : public StandardDialog
{
    Q_OBJECT

public:
    // roles: maps with "role" (column name) and "title" (caption).
    explicit Roles(const QVariantList &roles, QWidget *parent = nullptr);
    ~Roles() override;

    TableWidget *table() const;

public slots:
    void accept() override;

signals:
    void selected(QStringList roles);

private:
    TableWidget *m_table;
};

} // namespace Gui::Dialog
