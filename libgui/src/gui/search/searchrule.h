#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;

namespace Client::Controller {
class Search;
}

namespace Gui {

class DateTimeEdit;
class LineEdit;
class MinusButton;
class PlusButton;

// One rule of the extended search, in one row: whether it is used, the field, the comparison,
// the value (a date and time for "dt_" fields) and how it joins the next rule.
class SearchRule : public QWidget
{
    Q_OBJECT

public:
    SearchRule(Client::Controller::Search *roleController, const QString &role, const QString &operation,
               const QString &value, const QString &condition, bool used, QWidget *parent = nullptr);
    ~SearchRule() override;

    // The field chosen, empty when the box names no field of the list.
    QString role() const;
    QString operation() const;
    // Date-time fields give milliseconds since the epoch as decimal text.
    QString value() const;
    QString condition() const;
    bool isUsed() const;
    bool isDateTime() const;
    void setRemoveEnabled(bool enabled);

    // Fields whose role begins with "dt_" take a date and time.
    static bool isDateTimeRole(const QString &role);

signals:
    void appended();
    void removed();

private slots:
    // Shows the date-time editor for "dt_" fields and the text editor for the others.
    void showValueEditor();

private:
    void addOperations();
    void addConditions();
    void setValue(const QString &value);
    // The role list row the box names: the chosen item, or the row whose title or role was typed.
    int roleRow() const;

    Client::Controller::Search *m_roleController;
    QCheckBox *m_used;
    QComboBox *m_role;
    QComboBox *m_operation;
    LineEdit *m_textValue;
    DateTimeEdit *m_dateTimeValue;
    QComboBox *m_condition;
    MinusButton *m_remove;
    PlusButton *m_add;
};

} // namespace Gui
