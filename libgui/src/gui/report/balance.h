#pragma once

#include "abstractreport.h"

class QCheckBox;
class QTableWidget;

namespace Client::Controller {
class DesktopController;
}

namespace Gui {
class InteractiveOwnerKeeperTable;
class StartEndDateTimeEdit;
} // namespace Gui

namespace Gui::Report {

// A balance-log report of chosen owners: the period, the owners, the balance groups and, among the
// types of the chosen groups, the types to report on. The ids of groups and types are kept with the
// rows of the frame's own tables, so a reload of the lists behind them changes nothing chosen.
class Balance : public AbstractReport
{
    Q_OBJECT

public:
    explicit Balance(const QString &sourceUrl);
    ~Balance() override;

    void beforeShow() override;
    QString templatePath() const override;
    QVariantMap options() const override;
    bool isValid() override;

    // The owner's display field sent as "sign_role".
    virtual QString signField() const;
    // Controllers whose lists hold the balance groups ("id", "name") and the balance types ("id",
    // "name", "rst_id_bg").
    virtual Client::Controller::DesktopController *balanceGroupController() const = 0;
    virtual Client::Controller::DesktopController *balanceTypeController() const = 0;

    StartEndDateTimeEdit *periodEdit() const { return m_period; }
    InteractiveOwnerKeeperTable *ownerTable() const { return m_owners; }
    QTableWidget *groupTable() const { return m_groups; }
    QTableWidget *typeTable() const { return m_types; }
    QCheckBox *groupByPriceBox() const { return m_groupByPrice; }

    static QString noTypeText();

private slots:
    void onBalanceGroupSelectionChanged();

private:
    StartEndDateTimeEdit *m_period;
    InteractiveOwnerKeeperTable *m_owners;
    QTableWidget *m_groups;
    QTableWidget *m_types;
    QCheckBox *m_groupByPrice;
};

} // namespace Gui::Report
