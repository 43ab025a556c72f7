#pragma once

#include <QLineEdit>

namespace Gui {

// A line edit that reports every key press before handling it and selects all text on focus.
class LineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit LineEdit(QWidget *parent = nullptr);
    ~LineEdit() override;

signals:
    void keyPressed(int key);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
};

} // namespace Gui
