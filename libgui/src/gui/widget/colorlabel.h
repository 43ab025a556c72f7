#pragma once

#include <QLabel>

namespace Gui {

// A label whose text colour can be set.
class ColorLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ColorLabel(QWidget *parent = nullptr);
    ~ColorLabel() override;

    void setColor(const QColor &color);
};

} // namespace Gui
