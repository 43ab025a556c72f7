#pragma once

#include <QToolButton>

namespace Gui {

// A tool button showing one glyph of an icon font: family 0 regular, 1 solid, 2 brands.
class FaToolButton : public QToolButton
{
    Q_OBJECT

public:
    FaToolButton(const QString &glyph, int family, QWidget *parent = nullptr);
    ~FaToolButton() override;
};

} // namespace Gui
