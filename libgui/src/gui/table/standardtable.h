#pragma once

#include "tablecontainer.h"

#include <QStringList>

class QAbstractItemModel;

namespace Gui {

namespace Controller {
class AbstractController;
}

class Table;

// A frame holding one widget table of a widget-side controller's rows; its settings carry the
// table's column layout under "table".
class StandardTable : public TableContainer
{
    Q_OBJECT

public:
    StandardTable(Controller::AbstractController *controller, const QStringList &roles);
    ~StandardTable() override;

    Table *table() const { return m_table; }
    Controller::AbstractController *controller() const;
    QAbstractItemModel *model() const;

    void loadSettings(const QVariantMap &settings) override;
    QVariantMap saveSettings() const override;

private:
    Table *m_table;
};

} // namespace Gui
