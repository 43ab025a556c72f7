#pragma once

#include <QDateTime>
#include <QWidget>

class QPushButton;

namespace Gui {

class DateTimeEdit;

// The period of a report: a start and an end date-time, each with a calendar pop-up, and an
// "Apply" button that stays hidden unless a frame shows it.
class StartEndDateTimeEdit : public QWidget
{
    Q_OBJECT

public:
    // Presets: 0 today, 1 yesterday, 2 the last seven days, 3 the last month, 4 the last year;
    // every preset but today ends with the end of yesterday.
    explicit StartEndDateTimeEdit(int preset = 1, QWidget *parent = nullptr);
    ~StartEndDateTimeEdit() override;

    QDateTime startDateTime() const;
    QDateTime endDateTime() const;
    void setStartDateTime(const QDateTime &dateTime);
    void setEndDateTime(const QDateTime &dateTime);
    void setApplyButtonVisible(bool visible);
    QPushButton *applyButton() const { return m_apply; }
    // Sets both editors from today's local date; a start left out of the presets stays as it is.
    void setPeriod(int preset);
    // False, with a message over messageParent, when the start is later than the end.
    bool isValid(QWidget *messageParent);

    static QString reversedText();

signals:
    void applyClicked();

private:
    DateTimeEdit *m_start;
    DateTimeEdit *m_end;
    QPushButton *m_apply;
};

} // namespace Gui
