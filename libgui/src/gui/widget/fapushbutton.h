#pragma once

#include <QPushButton>

namespace Gui {

// A push button showing one glyph of an icon font: family 0 regular, 1 solid, 2 brands. A glyph
// that the regular face lacks is drawn with the solid face.
class FaPushButton : public QPushButton
{
    Q_OBJECT

public:
    FaPushButton(const QString &glyph, int family, bool narrow, QWidget *parent = nullptr);
    ~FaPushButton() override;

    // The icon font of a family number that draws glyph; the widget's own font (with a warning)
    // for other numbers.
    static QFont iconFont(int family, const QString &glyph, const QFont &fallback);
};

} // namespace Gui
