#pragma once

#include "gui/widget/window.h"

#include <QJsonArray>
#include <QPointer>

class QVBoxLayout;

namespace Client::Controller {
class DesktopController;
class Search;
}

namespace Gui {

class SearchRule;

// The extended search of a table page: a tool window of rules (field, comparison, value, join)
// applied to the page's list. A class-wide list is filtered in its proxy model by the filter
// group "search"; any other list is asked for again with the rules as "JSON_WHERE". Either way
// the page's own filters and list parameters stay as they are.
class Search : public Window
{
    Q_OBJECT

public:
    // rules: the saved form that rules() gave the last time, or an empty array.
    Search(Client::Controller::DesktopController *controller, const QJsonArray &rules);
    ~Search() override;

    // [{"condition": "and", "expressions": [{"role", "operation", "value", "condition", "used"}, ...]}]
    Q_INVOKABLE QJsonArray rules() const;

signals:
    // Emitted while the window is destroyed, before its rules go: rules() still answers.
    void closed();

private slots:
    void onApply();
    void onReset();

private:
    void fillRoles();
    void loadRules(const QJsonArray &rules);
    void insertRule(int index, const QString &role, const QString &operation, const QString &value,
                    const QString &condition, bool used);
    void insertDefaultRule(int index);
    void removeRule(SearchRule *rule);
    void updateRemoveButtons();
    QList<SearchRule *> ruleRows() const;
    // The ticked rules as the server reads them, compact JSON.
    QString jsonWhere() const;
    void applyLocally();
    void requestList();
    void removeLocalFilter();

    QPointer<Client::Controller::DesktopController> m_controller;
    Client::Controller::Search *m_roleController;
    QVBoxLayout *m_rules;
};

} // namespace Gui
