#pragma once

#include "xlsx/xmlnode.h"

#include <QColor>
#include <QSharedDataPointer>
#include <QString>

namespace Xlsx {

class FormatData;

// How a cell looks: number format, font, fill, border and alignment. A null format (one that
// was never set) leaves a cell's present style as it is when written.
class Format
{
public:
    enum FillPattern { PatternNone, PatternSolid, PatternOther };
    enum HorizontalAlignment {
        AlignHGeneral,
        AlignLeft,
        AlignHCenter,
        AlignRight,
        AlignHFill,
        AlignHJustify,
        AlignHMerge,
        AlignHDistributed
    };

    Format();
    Format(const Format &other);
    Format &operator=(const Format &other);
    ~Format();

    bool isNull() const;
    bool isValid() const { return !isNull(); }

    // The format code ("0.00", "dd.mm.yyyy", "@"; "General" for id 0).
    QString numberFormat() const;
    void setNumberFormat(const QString &code);
    // The id of a built-in format, or -1 for a custom code.
    int numberFormatIndex() const;
    void setNumberFormatIndex(int id);
    bool isDateTimeFormat() const;

    bool fontBold() const;
    void setFontBold(bool bold);
    bool fontItalic() const;
    void setFontItalic(bool italic);
    // 0 when the format does not say.
    double fontSize() const;
    void setFontSize(double points);
    QString fontName() const;
    void setFontName(const QString &name);
    // Invalid when the font has no explicit colour (a theme or automatic one).
    QColor fontColor() const;
    void setFontColor(const QColor &color);

    FillPattern fillPattern() const;
    void setFillPattern(FillPattern pattern);
    // The colour of a solid fill; setting it makes the fill solid.
    QColor patternBackgroundColor() const;
    void setPatternBackgroundColor(const QColor &color);

    bool textWrap() const;
    void setTextWrap(bool wrap);
    HorizontalAlignment horizontalAlignment() const;
    void setHorizontalAlignment(HorizontalAlignment alignment);

    bool operator==(const Format &other) const;
    bool operator!=(const Format &other) const { return !(*this == other); }

private:
    friend class Styles;
    explicit Format(FormatData *data);
    // The font of the data applied over base (the data's own font, or the workbook's default).
    static XmlNode effectiveFont(const FormatData &data, const XmlNode &defaultFont);
    static QString argb(const QColor &color);
    static QColor colorOf(const XmlNode *colorNode);
    FormatData &edit();

    QSharedDataPointer<FormatData> d;
};

} // namespace Xlsx
