#pragma once

#include "abstractreport.h"

class QVBoxLayout;

namespace Gui {
class InteractiveOwnerKeeperTable;
class StartEndDateTimeEdit;
} // namespace Gui

namespace Gui::Report {

// A report over chosen owners and a period.
class Owner : public AbstractReport
{
    Q_OBJECT

public:
    // sourceUrl: the list page the owners are chosen from.
    explicit Owner(const QString &sourceUrl);
    ~Owner() override;

    QVariantMap options() const override;
    bool isValid() override;

    StartEndDateTimeEdit *periodEdit() const { return m_period; }
    InteractiveOwnerKeeperTable *ownerTable() const { return m_owners; }

protected:
    // Between the period and the owners: where derived frames add their filter rows.
    QVBoxLayout *extraFilterLayout() const { return m_extra; }

private:
    StartEndDateTimeEdit *m_period;
    InteractiveOwnerKeeperTable *m_owners;
    QVBoxLayout *m_extra;
};

} // namespace Gui::Report
