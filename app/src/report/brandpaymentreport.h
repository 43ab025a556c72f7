#pragma once

#include "gui/report/abstractreport.h"

#include <memory>

class Driver;
class QTimer;

namespace Gui {
class InteractiveOwnerKeeperTable;
class StartEndDateTimeEdit;
} // namespace Gui

// The brand payment report: the payments and terminal refills of chosen drivers per day of a
// period. Apply asks the server for the drivers of branded cars of the period and adds them to the
// owner table; Create requests the report for the drivers in the table.
class BrandPaymentReport : public Gui::Report::AbstractReport
{
    Q_OBJECT

public:
    BrandPaymentReport();
    ~BrandPaymentReport() override;

    int reportType() const override;
    QString accessName() const override;
    QString outputName() const override;
    QString templatePath() const override;
    QVariantMap options() const override;
    bool isValid() override;

    Gui::StartEndDateTimeEdit *periodEdit() const { return m_period; }
    Gui::InteractiveOwnerKeeperTable *ownerTable() const { return m_owners; }
    Driver *driverController() const { return m_drivers.get(); }
    bool isApplying() const { return m_applying; }

private slots:
    void onApplyClicked();
    void onSaGetBrandDrivers(QVariantMap params);

private:
    void newDriverController();
    void onConnectionState(bool connected);
    // Stops waiting for the drivers: a late answer is not taken.
    void abandonApply(const QString &message);
    // The period's instants as the server takes them: the same wall-clock time at the user's
    // offset, as decimal text.
    QString userInstant(const QDateTime &dateTime) const;

    Gui::StartEndDateTimeEdit *m_period;
    Gui::InteractiveOwnerKeeperTable *m_owners;
    std::unique_ptr<Driver> m_drivers;
    QTimer *m_applyTimer;
    bool m_applying = false;
};
