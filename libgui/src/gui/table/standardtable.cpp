#include "standardtable.h"

#include "table.h"
#include "tableview.h"

#include <QVBoxLayout>

namespace Gui {

StandardTable::StandardTable(Controller::AbstractController *controller, const QStringList &roles)
    : m_table(new Table(controller, roles))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
}

StandardTable::~StandardTable() = default;

Controller::AbstractController *StandardTable::controller() const
{
    return m_table->controller();
}

QAbstractItemModel *StandardTable::model() const
{
    return m_table->view()->model();
}

void StandardTable::loadSettings(const QVariantMap &settings)
{
    TableContainer::loadSettings(settings);
    m_table->loadSettings(settings.value(m_table->settingsName()).toMap());
}

QVariantMap StandardTable::saveSettings() const
{
    QVariantMap settings = TableContainer::saveSettings();
    settings.insert(m_table->settingsName(), m_table->saveSettings());
    return settings;
}

} // namespace Gui
