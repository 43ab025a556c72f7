#pragma once

#include <QFont>
#include <QObject>
#include <QPalette>

namespace Gui {

// The dark look of the shell: the three icon fonts carried in the resources and the palette that
// start-up installs with the Fusion style.
class Style : public QObject
{
    Q_OBJECT

public:
    explicit Style(QObject *parent = nullptr);
    ~Style() override;

    // Registers the regular, solid and brands icon fonts; a font that cannot be added is logged
    // and keeps its previous value.
    static void loadFonts();
    // Registers one font file and gives font its first family; false (logged) on failure.
    static bool loadFont(const QString &path, QFont &font);

    static QFont faRegularFont();
    static QFont faSolidFont();
    static QFont faBrandsFont();

    static QPalette darkPalette();
};

} // namespace Gui
