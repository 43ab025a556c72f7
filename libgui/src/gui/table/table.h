#pragma once

#include "gui/helper/guisettings.h"

#include <QWidget>

namespace Gui {

namespace Controller {
class AbstractController;
}

class TableView;

// One widget table: its view alone in the widget; its settings nest the view's under
// "tableView".
class Table : public QWidget, public Helper::GuiSettings
{
    Q_OBJECT

public:
    Table(Controller::AbstractController *controller, const QStringList &roles, QWidget *parent = nullptr);
    ~Table() override;

    TableView *view() const { return m_view; }
    Controller::AbstractController *controller() const;

    QString settingsName() const override;
    void loadSettings(const QVariantMap &settings) override;
    QVariantMap saveSettings() const override;

private:
    TableView *m_view;
};

} // namespace Gui
