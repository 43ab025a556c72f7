#include "xlsx/format.h"

#include "xlsx/formatdata.h"
#include "xlsx/numberformat.h"
#include "xlsx/xmlattributes.h"
#include "xlsx/xmltext.h"

namespace Xlsx {

namespace {

// A font flag (<b/>, <i val="1"/>): set when present without a value or with a true one.
bool flagOf(const XmlNode &font, const QString &name)
{
    const XmlNode *node = font.child(name);
    if (!node)
        return false;
    const QString value = node->attribute(QStringLiteral("val"));
    return value.isEmpty() || XmlText::isTrue(value);
}

// The val attribute of a font's child element; empty when there is none.
QString fontValue(const XmlNode &font, const QString &name)
{
    const XmlNode *node = font.child(name);
    return node ? node->attribute(QStringLiteral("val")) : QString();
}

// A pattern fill: none, or solid in the ARGB colour rgb (the automatic colour when empty).
XmlNode patternFill(bool solid, const QString &rgb)
{
    XmlNode fill(QStringLiteral("fill"));
    XmlNode &pattern = fill.ensureChild(QStringLiteral("patternFill"));
    pattern.setAttribute(QStringLiteral("patternType"), solid ? QStringLiteral("solid") : QStringLiteral("none"));
    if (solid) {
        XmlNode &foreground = pattern.ensureChild(QStringLiteral("fgColor"));
        if (!rgb.isEmpty())
            foreground.setAttribute(QStringLiteral("rgb"), rgb);
        else
            foreground.setAttribute(QStringLiteral("indexed"), QStringLiteral("64"));
        pattern.ensureChild(QStringLiteral("bgColor")).setAttribute(QStringLiteral("indexed"), QStringLiteral("64"));
    }
    return fill;
}

const char *const horizontalNames[] = {"general", "left",    "center", "right",
                                       "fill",    "justify", "centerContinuous", "distributed"};

// All null formats share one data block: a default argument costs no allocation.
const QSharedDataPointer<FormatData> &nullData()
{
    static const QSharedDataPointer<FormatData> data(new FormatData);
    return data;
}

} // namespace

Format::Format()
    : d(nullData())
{
}

Format::Format(FormatData *data)
    : d(data)
{
}

Format::Format(const Format &other) = default;
Format &Format::operator=(const Format &other) = default;
Format::~Format() = default;

FormatData &Format::edit()
{
    FormatData &data = *d;
    data.changed();
    return data;
}

bool Format::isNull() const
{
    return d->null;
}

QString Format::numberFormat() const
{
    if (!d->numberFormatCode.isEmpty())
        return d->numberFormatCode;
    if (d->numberFormatId >= 0)
        return NumberFormat::builtinCode(d->numberFormatId);
    return d->null ? QString() : QStringLiteral("General");
}

void Format::setNumberFormat(const QString &code)
{
    FormatData &data = edit();
    const int builtin = NumberFormat::builtinId(code);
    data.numberFormatId = code.isEmpty() ? 0 : builtin;
    data.numberFormatCode = builtin >= 0 || code.isEmpty() ? QString() : code;
}

int Format::numberFormatIndex() const
{
    if (!d->numberFormatCode.isEmpty())
        return NumberFormat::builtinId(d->numberFormatCode);
    return d->numberFormatId >= 0 ? d->numberFormatId : (d->null ? -1 : 0);
}

void Format::setNumberFormatIndex(int id)
{
    FormatData &data = edit();
    data.numberFormatId = id < 0 ? 0 : id;
    data.numberFormatCode.clear();
}

bool Format::isDateTimeFormat() const
{
    if (!d->numberFormatCode.isEmpty())
        return NumberFormat::kindOfCode(d->numberFormatCode) != NumberFormat::Number;
    return NumberFormat::kindOfId(d->numberFormatId) != NumberFormat::Number;
}

bool Format::fontBold() const
{
    return d->bold ? *d->bold : flagOf(d->font, QStringLiteral("b"));
}

void Format::setFontBold(bool bold)
{
    edit().bold = bold;
}

bool Format::fontItalic() const
{
    return d->italic ? *d->italic : flagOf(d->font, QStringLiteral("i"));
}

void Format::setFontItalic(bool italic)
{
    edit().italic = italic;
}

double Format::fontSize() const
{
    if (d->size)
        return *d->size;
    return fontValue(d->font, QStringLiteral("sz")).toDouble();
}

void Format::setFontSize(double points)
{
    edit().size = points;
}

QString Format::fontName() const
{
    if (d->fontName)
        return *d->fontName;
    return fontValue(d->font, QStringLiteral("name"));
}

void Format::setFontName(const QString &name)
{
    edit().fontName = name;
}

QColor Format::fontColor() const
{
    if (d->color)
        return *d->color;
    return colorOf(d->font.child(QStringLiteral("color")));
}

void Format::setFontColor(const QColor &color)
{
    edit().color = color;
}

Format::FillPattern Format::fillPattern() const
{
    if (d->fill.isNull())
        return PatternNone;
    const XmlNode *pattern = d->fill.child(QStringLiteral("patternFill"));
    if (!pattern)
        return PatternOther; // a gradient
    const QString type = pattern->attribute(QStringLiteral("patternType"));
    if (type.isEmpty() || type == QLatin1String("none"))
        return PatternNone;
    return type == QLatin1String("solid") ? PatternSolid : PatternOther;
}

void Format::setFillPattern(FillPattern pattern)
{
    FormatData &data = edit();
    if (pattern == PatternOther)
        return;
    const QColor color = pattern == PatternSolid ? patternBackgroundColor() : QColor();
    data.fill = patternFill(pattern == PatternSolid, color.isValid() ? argb(color) : QString());
}

QColor Format::patternBackgroundColor() const
{
    const XmlNode *pattern = d->fill.child(QStringLiteral("patternFill"));
    return pattern ? colorOf(pattern->child(QStringLiteral("fgColor"))) : QColor();
}

void Format::setPatternBackgroundColor(const QColor &color)
{
    if (!color.isValid()) {
        setFillPattern(PatternNone);
        return;
    }
    edit().fill = patternFill(true, argb(color));
}

bool Format::textWrap() const
{
    return XmlText::isTrue(XmlAttributes::value(d->alignment, QStringLiteral("wrapText")));
}

void Format::setTextWrap(bool wrap)
{
    XmlAttributes::set(edit().alignment, QStringLiteral("wrapText"), wrap ? QStringLiteral("1") : QString());
}

Format::HorizontalAlignment Format::horizontalAlignment() const
{
    const QString name = XmlAttributes::value(d->alignment, QStringLiteral("horizontal"));
    for (int i = 0; i < int(sizeof horizontalNames / sizeof horizontalNames[0]); ++i) {
        if (name == QLatin1String(horizontalNames[i]))
            return HorizontalAlignment(i);
    }
    return AlignHGeneral;
}

void Format::setHorizontalAlignment(HorizontalAlignment alignment)
{
    XmlAttributes::set(edit().alignment, QStringLiteral("horizontal"),
                   alignment == AlignHGeneral ? QString() : QString::fromLatin1(horizontalNames[alignment]));
}

bool Format::operator==(const Format &other) const
{
    if (d == other.d)
        return true;
    if (d->null || other.d->null)
        return d->null == other.d->null;
    const XmlNode none(QStringLiteral("font"));
    return numberFormat() == other.numberFormat() && numberFormatIndex() == other.numberFormatIndex()
        && effectiveFont(*d, none).toXml() == effectiveFont(*other.d, none).toXml()
        && d->fill.toXml() == other.d->fill.toXml() && d->border.toXml() == other.d->border.toXml()
        && XmlAttributes::sortedText(d->alignment) == XmlAttributes::sortedText(other.d->alignment)
        && XmlAttributes::sortedText(d->protection) == XmlAttributes::sortedText(other.d->protection)
        && XmlAttributes::sortedText(d->extra) == XmlAttributes::sortedText(other.d->extra);
}

XmlNode Format::effectiveFont(const FormatData &data, const XmlNode &defaultFont)
{
    XmlNode font = data.font.isNull() ? defaultFont : data.font;
    auto setFlag = [&font](const QString &name, const std::optional<bool> &flag) {
        if (!flag)
            return;
        font.removeChild(name);
        if (*flag)
            font.appendChild(XmlNode(name));
    };
    setFlag(QStringLiteral("b"), data.bold);
    setFlag(QStringLiteral("i"), data.italic);
    if (data.size)
        font.ensureChild(QStringLiteral("sz")).setAttribute(QStringLiteral("val"), XmlText::numberText(*data.size));
    if (data.fontName) {
        font.ensureChild(QStringLiteral("name")).setAttribute(QStringLiteral("val"), *data.fontName);
        font.removeChild(QStringLiteral("scheme")); // a theme font would win over the name
    }
    if (data.color) {
        font.removeChild(QStringLiteral("color"));
        if (data.color->isValid()) {
            XmlNode color(QStringLiteral("color"));
            color.setAttribute(QStringLiteral("rgb"), argb(*data.color));
            font.appendChild(color);
        }
    }
    return font;
}

QString Format::argb(const QColor &color)
{
    return QString::number(color.rgba(), 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

QColor Format::colorOf(const XmlNode *colorNode)
{
    if (!colorNode)
        return {};
    const QString rgb = colorNode->attribute(QStringLiteral("rgb"));
    if (rgb.size() == 8) {
        bool ok = false;
        const uint value = rgb.toUInt(&ok, 16);
        if (ok)
            return QColor::fromRgba(value);
    } else if (rgb.size() == 6) {
        return QColor(QLatin1Char('#') + rgb);
    }
    return {};
}

} // namespace Xlsx
