#pragma once

#include <QDateTimeEdit>

namespace Gui {

// A date-time edit whose pop-up calendar has a "Today" button.
class DateTimeEdit : public QDateTimeEdit
{
    Q_OBJECT

public:
    explicit DateTimeEdit(QWidget *parent = nullptr);
    ~DateTimeEdit() override;
};

} // namespace Gui
