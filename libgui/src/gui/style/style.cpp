#include "style.h"

#include "common/core/logger/logger.h"

#include <QColor>
#include <QFontDatabase>

// The font resources live in this static library; referencing their initialiser keeps them linked.
static void initFontResources()
{
    Q_INIT_RESOURCE(gui_fonts);
}

namespace Gui {

namespace {

QFont &regularFont()
{
    static QFont font;
    return font;
}

QFont &solidFont()
{
    static QFont font;
    return font;
}

QFont &brandsFont()
{
    static QFont font;
    return font;
}

} // namespace

Style::Style(QObject *parent)
    : QObject(parent)
{
}

Style::~Style() = default;

void Style::loadFonts()
{
    initFontResources();
    loadFont(QStringLiteral(":/gui/fonts/Font Awesome 6 Free-Regular-400.otf"), regularFont());
    loadFont(QStringLiteral(":/gui/fonts/Font Awesome 6 Free-Solid-900.otf"), solidFont());
    loadFont(QStringLiteral(":/gui/fonts/Font Awesome 6 Brands-Regular-400.otf"), brandsFont());
    solidFont().setWeight(QFont::Bold);
}

bool Style::loadFont(const QString &path, QFont &font)
{
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        Logger::instance(0)->warning(QStringLiteral("Failed to load font ") + path);
        return false;
    }
    font = QFont(families.first());
    return true;
}

QFont Style::faRegularFont()
{
    return regularFont();
}

QFont Style::faSolidFont()
{
    return solidFont();
}

QFont Style::faBrandsFont()
{
    return brandsFont();
}

QPalette Style::darkPalette()
{
    const QColor window(53, 53, 53);
    const QColor text(235, 235, 235);
    const QColor disabledText(150, 150, 150);
    const QColor highlight(42, 130, 218);
    QPalette palette;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::ToolTipBase})
        palette.setColor(role, window);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::ToolTipText, QPalette::Text}) {
        palette.setColor(role, text);
        if (role != QPalette::ToolTipText)
            palette.setColor(QPalette::Disabled, role, disabledText);
    }
    palette.setColor(QPalette::Base, QColor(80, 80, 80));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(60, 60, 60));
    palette.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    palette.setColor(QPalette::Light, QColor(90, 90, 90));
    palette.setColor(QPalette::Dark, QColor(35, 35, 35));
    palette.setColor(QPalette::Shadow, QColor(20, 20, 20));
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 80));
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, QColor(127, 127, 127));
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Link, highlight);
    return palette;
}

} // namespace Gui
