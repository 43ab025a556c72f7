#pragma once

#include <QComboBox>

namespace Gui {

// The unit a session report sums its periods by: hour, day (the default), week, month, quarter
// or year, as the names of SQL's date_trunc.
class DateTruncateComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DateTruncateComboBox(QWidget *parent = nullptr);
    ~DateTruncateComboBox() override;

    QString value() const;
};

} // namespace Gui
