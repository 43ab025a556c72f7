#include "fapushbutton.h"

#include "common/core/logger/logger.h"
#include "gui/style/style.h"

namespace Gui {

FaPushButton::FaPushButton(const QString &glyph, int family, bool narrow, QWidget *parent)
    : QPushButton(glyph, parent)
{
    setFont(iconFont(family, font()));
    if (narrow)
        setMaximumWidth(30);
}

FaPushButton::~FaPushButton() = default;

QFont FaPushButton::iconFont(int family, const QFont &fallback)
{
    switch (family) {
    case 0:
        return Style::faRegularFont();
    case 1:
        return Style::faSolidFont();
    case 2:
        return Style::faBrandsFont();
    default:
        Logger::instance(0)->warning(QStringLiteral("Unknown font awesome family"));
        return fallback;
    }
}

} // namespace Gui
