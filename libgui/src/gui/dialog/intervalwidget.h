#pragma once

#include <QWidget>

class QLineEdit;

namespace Gui {
class DoubleEdit;
class MinusButton;
}

namespace Gui::Dialog {

// One row of the interval editor: "Before" threshold unit, value unit, and a remove button.
class IntervalWidget : public QWidget
{
    Q_OBJECT

public:
    // entry: "threshold=value"; type: the interval type that chooses the unit texts.
    IntervalWidget(const QString &entry, int type, QWidget *parent = nullptr);
    ~IntervalWidget() override;

    QString threshold() const;
    QString value() const;
    QLineEdit *thresholdEdit() const;
    QLineEdit *valueEdit() const;
    MinusButton *removeButton() const;

    // The texts after the threshold and after the value for an interval type.
    static QString thresholdUnit(int type);
    static QString valueUnit(int type);

signals:
    void removed();

private:
    DoubleEdit *m_threshold;
    DoubleEdit *m_value;
    MinusButton *m_remove;
};

} // namespace Gui::Dialog
