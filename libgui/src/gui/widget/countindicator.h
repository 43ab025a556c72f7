#pragma once

#include <QWidget>

namespace Gui {

// A 20 by 20 red round badge showing a count.
class CountIndicator : public QWidget
{
    Q_OBJECT

public:
    explicit CountIndicator(QWidget *parent = nullptr);
    ~CountIndicator() override;

    int count() const;
    void setCount(int count);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_count = 0;
};

} // namespace Gui
