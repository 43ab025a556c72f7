#include "style.h"

#include "common/core/logger/logger.h"

#include <QColor>
#include <QFontDatabase>
#include <QQmlFileSelector>
#include <QQuickStyle>

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

void Style::selectStyleFiles(QQmlEngine *engine)
{
    // Qt adds the style's selector only when a file first imports QtQuick.Controls 2; the loader
    // thread may resolve other files before that, and they would get their plain variants.
    QQmlFileSelector *selector = QQmlFileSelector::get(engine);
    if (!selector)
        selector = new QQmlFileSelector(engine, engine);
    const QString style = QQuickStyle::name().toLower();
    selector->setExtraSelectors(style.isEmpty() ? QStringList() : QStringList{style});
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

QColor Style::bgColor() const
{
    return QColor(0x00, 0x02, 0x22);
}

QColor Style::textColor() const
{
    return QColor(0xe0, 0xff, 0x9a);
}

QColor Style::borderColor() const
{
    return QColor(QStringLiteral("gray"));
}

QColor Style::lightGrayColor() const
{
    return QColor(QStringLiteral("lightgray"));
}

QColor Style::brightGreenColor() const
{
    return QColor(0x28, 0xfe, 0x13);
}

QUrl Style::arrowUp() const
{
    return QUrl(QStringLiteral("qrc:/images/arrow-up-white.png"));
}

QUrl Style::arrowDown() const
{
    return QUrl(QStringLiteral("qrc:/images/arrow-down-white.png"));
}

QUrl Style::arrowLeft() const
{
    return QUrl(QStringLiteral("qrc:/images/arrow-left-white.png"));
}

QUrl Style::arrowRight() const
{
    return QUrl(QStringLiteral("qrc:/images/arrow-right-white.png"));
}

QColor Style::textFieldFilterContainsDataBgColor() const
{
    return QColor(0xc2, 0xff, 0xda);
}

QColor Style::textFieldFilterAbsentsDataBgColor() const
{
    return QColor(0xff, 0xd5, 0xd5);
}

QColor Style::toolButtonTextColorDisabled() const
{
    return QColor(QStringLiteral("gray"));
}

QUrl Style::scrollBarHandleHorizontal() const
{
    return QUrl(QStringLiteral("qrc:/images/scrollbar-handle-horizontal-dark.png"));
}

QUrl Style::scrollBarHandleVertical() const
{
    return QUrl(QStringLiteral("qrc:/images/scrollbar-handle-vertical-dark.png"));
}

QColor Style::scrollBarControlGradient0() const
{
    return QColor(QStringLiteral("black"));
}

QColor Style::scrollBarControlGradient1() const
{
    return QColor(QStringLiteral("gray"));
}

QColor Style::scrollBarControlPressedColor() const
{
    return QColor(QStringLiteral("black"));
}

QColor Style::scrollBarControlBorderColor1() const
{
    return QColor(0x00, 0x0a, 0xaa);
}

QColor Style::scrollBarControlBorderColor2() const
{
    return QColor(0xff, 0xff, 0xff);
}

QColor Style::subjectBoxLabelBgColor() const
{
    return QColor(0x6a, 0x6a, 0x6a);
}

QColor Style::subjectBoxDefBgColor() const
{
    return QColor(0x44, 0x44, 0x44);
}

QColor Style::subjectBoxRedBgColor() const
{
    return QColor(0x7f, 0x00, 0x00);
}

QColor Style::subjectBoxGreenBgColor() const
{
    return QColor(0x00, 0x4f, 0x00);
}

QColor Style::tableSelectedRowColor() const
{
    return QColor(0x50, 0x66, 0xda);
}

QColor Style::dismatchApproveColor() const
{
    return QColor(0x4c, 0xa9, 0xff);
}

} // namespace Gui
