#pragma once

#include "owner.h"

namespace Gui {
class DateTruncateComboBox;
}

namespace Gui::Report {

// A session report over chosen owners and a period, summed by the chosen unit of time.
class Session : public Owner
{
    Q_OBJECT

public:
    explicit Session(const QString &sourceUrl);
    ~Session() override;

    QString templatePath() const override;
    QVariantMap options() const override;

    DateTruncateComboBox *truncateBox() const { return m_truncate; }

private:
    DateTruncateComboBox *m_truncate;
};

} // namespace Gui::Report
