#pragma once

#include "xlsx/xmlnode.h"

#include <QColor>
#include <QSharedData>
#include <QString>

#include <atomic>
#include <optional>

namespace Xlsx {

// What a Format holds: the parts of a cell style entry, font changes still to be applied to
// the workbook's font, and where the format came from.
class FormatData : public QSharedData
{
public:
    FormatData() = default;
    FormatData(const FormatData &other)
        : QSharedData(other)
        , null(other.null)
        , numberFormatId(other.numberFormatId)
        , numberFormatCode(other.numberFormatCode)
        , font(other.font)
        , bold(other.bold)
        , italic(other.italic)
        , size(other.size)
        , fontName(other.fontName)
        , color(other.color)
        , fill(other.fill)
        , border(other.border)
        , alignment(other.alignment)
        , protection(other.protection)
        , extra(other.extra)
    {
    }

    // Called by every change: the format no longer equals the entry it came from.
    void changed()
    {
        null = false;
        originStyles = 0;
        originIndex = -1;
        resolved.store(0, std::memory_order_relaxed);
    }

    bool null = true;
    int numberFormatId = -1;
    QString numberFormatCode; // wins over the id when set
    XmlNode font;             // null: the workbook's default font
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<double> size;
    std::optional<QString> fontName;
    std::optional<QColor> color;
    XmlNode fill;   // null: no fill
    XmlNode border; // null: no border
    XmlNode::Attributes alignment;
    XmlNode::Attributes protection;
    XmlNode::Attributes extra; // xfId, quotePrefix, pivotButton

    // The style table entry this format was read from, while unchanged.
    quint64 originStyles = 0;
    int originIndex = -1;
    // Last entry it was resolved to: style table id in the high half, index + 1 in the low one.
    mutable std::atomic<quint64> resolved{0};
};

} // namespace Xlsx
