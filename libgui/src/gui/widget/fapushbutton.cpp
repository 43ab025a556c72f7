#include "fapushbutton.h"

#include "common/core/logger/logger.h"
#include "gui/style/style.h"

#include <QRawFont>

namespace Gui {

FaPushButton::FaPushButton(const QString &glyph, int family, bool narrow, QWidget *parent)
    : QPushButton(glyph, parent)
{
    setFont(iconFont(family, glyph, font()));
    if (narrow)
        setMaximumWidth(30);
}

FaPushButton::~FaPushButton() = default;

QFont FaPushButton::iconFont(int family, const QString &glyph, const QFont &fallback)
{
    switch (family) {
    case 0: {
        // The regular face holds a few hundred glyphs; the solid one holds them all.
        const QFont regular = Style::faRegularFont();
        const QRawFont face = QRawFont::fromFont(regular);
        for (const QChar c : glyph) {
            if (!face.supportsCharacter(c))
                return Style::faSolidFont();
        }
        return regular;
    }
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
