#include "table.h"

#include "tableview.h"

#include <QVBoxLayout>

namespace Gui {

Table::Table(Controller::AbstractController *controller, const QStringList &roles, QWidget *parent)
    : QWidget(parent)
    , GuiSettings(this)
    , m_view(new TableView(controller, roles))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

Table::~Table() = default;

Controller::AbstractController *Table::controller() const
{
    return m_view->controller();
}

QString Table::settingsName() const
{
    return QStringLiteral("table");
}

void Table::loadSettings(const QVariantMap &settings)
{
    m_view->loadSettings(settings.value(m_view->settingsName()).toMap());
}

QVariantMap Table::saveSettings() const
{
    return QVariantMap{{m_view->settingsName(), m_view->saveSettings()}};
}

} // namespace Gui
