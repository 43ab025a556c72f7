#pragma once

#include <QPushButton>

namespace Gui {

// A push button showing one glyph of an icon font: family 0 regular, 1 solid, 2 brands.
class FaPushButton : public QPushButton
{
    Q_OBJECT

public:
    FaPushButton(const QString &glyph, int family, bool narrow, QWidget *parent = nullptr);
    ~FaPushButton() override;

    // The icon font of a family number; the widget's own font (with a warning) for other numbers.
    static QFont iconFont(int family, const QFont &fallback);
};

} // namespace Gui
