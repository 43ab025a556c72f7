#pragma once

#include "gui/report/abstractreport.h"

namespace Gui {
class StartEndDateTimeEdit;
}

// The brand car report: orders, takings and hours online of the drivers of branded cars over a
// period.
class BrandReport : public Gui::Report::AbstractReport
{
    Q_OBJECT

public:
    BrandReport();
    ~BrandReport() override;

    int reportType() const override;
    QString accessName() const override;
    QString outputName() const override;
    QString templatePath() const override;
    QVariantMap options() const override;
    bool isValid() override;

    Gui::StartEndDateTimeEdit *periodEdit() const { return m_period; }

private:
    Gui::StartEndDateTimeEdit *m_period;
};
