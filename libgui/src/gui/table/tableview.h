#pragma once

#include "gui/helper/guisettings.h"

#include <QStringList>
#include <QTableView>

namespace Gui {

namespace Controller {
class AbstractController;
}

// The classic table of a widget-side controller's rows: shows the wanted columns in the wanted
// order, sorts by header click and keeps widths, order and sort in its settings:
// {"columns": {name: {"width", "position"}}, "sort": {"role", "order"}}.
class TableView : public QTableView, public Helper::GuiSettings
{
    Q_OBJECT

public:
    // The view becomes the controller's parent; roles are the columns to show, in order.
    TableView(Controller::AbstractController *controller, const QStringList &roles, QWidget *parent = nullptr);
    ~TableView() override;

    Controller::AbstractController *controller() const { return m_controller; }
    const QStringList &roles() const { return m_roles; }

    QString settingsName() const override;
    void loadSettings(const QVariantMap &settings) override;
    QVariantMap saveSettings() const override;

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void loadSavedColumns(const QVariantMap &saved, const QVariantMap &sort);
    void loadFirstShowing();
    const QStringList &columns() const;

    Controller::AbstractController *m_controller;
    QStringList m_roles;
};

} // namespace Gui
