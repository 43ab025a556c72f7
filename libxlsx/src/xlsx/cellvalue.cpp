#include "xlsx/cellvalue.h"

#include "xlsx/cell.h"
#include "xlsx/dateserial.h"
#include "xlsx/sharedstrings.h"

#include <cmath>
#include <limits>

namespace Xlsx {

namespace {

bool fail(QString *error, const QString &message)
{
    *error = message;
    return false;
}

bool textToCell(const QString &text, SharedStrings *strings, CellStore::Cell *cell, QString *error)
{
    if (text.isEmpty())
        return true; // an empty text is a blank cell
    if (text.size() > Cell::MaxTextLength)
        return fail(error, QStringLiteral("a text of %1 characters is longer than a cell holds (%2)")
                               .arg(text.size())
                               .arg(Cell::MaxTextLength));
    cell->kind = CellStore::Kind::SharedString;
    cell->index = strings->add(text);
    return true;
}

} // namespace

bool CellValue::toCell(const QVariant &value, SharedStrings *strings, bool date1904, CellStore::Cell *cell,
                       NumberFormat::Kind *dateKind, QString *error)
{
    switch (value.userType()) {
    case QMetaType::UnknownType:
        return true;
    case QMetaType::QString:
        return textToCell(value.toString(), strings, cell, error);
    case QMetaType::Bool:
        cell->kind = CellStore::Kind::Boolean;
        cell->boolean = value.toBool();
        return true;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::SChar:
    case QMetaType::UChar:
        cell->kind = CellStore::Kind::Integer;
        cell->integer = value.toLongLong();
        return true;
    case QMetaType::ULongLong:
        if (value.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
            return fail(error, QStringLiteral("the integer %1 is too large").arg(value.toULongLong()));
        cell->kind = CellStore::Kind::Integer;
        cell->integer = value.toLongLong();
        return true;
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (!std::isfinite(number))
            return fail(error, QStringLiteral("%1 is not a number a cell can hold").arg(number));
        cell->kind = CellStore::Kind::Number;
        cell->number = number;
        return true;
    }
    case QMetaType::QDate:
        if (!DateSerial::fromDate(value.toDate(), date1904, &cell->number))
            return fail(error, QStringLiteral("the date %1 cannot be written").arg(value.toDate().toString(Qt::ISODate)));
        cell->kind = CellStore::Kind::Number;
        *dateKind = NumberFormat::Date;
        return true;
    case QMetaType::QDateTime:
        if (!DateSerial::fromDateTime(value.toDateTime(), date1904, &cell->number))
            return fail(error, QStringLiteral("the date and time %1 cannot be written")
                                   .arg(value.toDateTime().toString(Qt::ISODate)));
        cell->kind = CellStore::Kind::Number;
        *dateKind = NumberFormat::DateTime;
        return true;
    case QMetaType::QTime:
        if (!value.toTime().isValid())
            return fail(error, QStringLiteral("an invalid time cannot be written"));
        cell->kind = CellStore::Kind::Number;
        cell->number = DateSerial::fromTime(value.toTime());
        *dateKind = NumberFormat::Time;
        return true;
    default:
        if (value.canConvert<QString>())
            return textToCell(value.toString(), strings, cell, error);
        return fail(error,
                    QStringLiteral("values of type %1 cannot be written").arg(QString::fromLatin1(value.typeName())));
    }
}

QVariant CellValue::fromCell(const CellStore::Cell &cell, const CellStore &cells, const SharedStrings &strings,
                             NumberFormat::Kind kind, bool date1904)
{
    switch (cell.kind) {
    case CellStore::Kind::Blank:
        return {};
    case CellStore::Kind::Number:
    case CellStore::Kind::Integer: {
        const double number = cell.kind == CellStore::Kind::Number ? cell.number : double(cell.integer);
        switch (kind) {
        case NumberFormat::Date:
            if (number == std::floor(number)) {
                const QDate date = DateSerial::toDate(number, date1904);
                if (date.isValid())
                    return date;
                break;
            }
            Q_FALLTHROUGH();
        case NumberFormat::DateTime: {
            const QDateTime dateTime = DateSerial::toDateTime(number, date1904);
            if (dateTime.isValid())
                return dateTime;
            break;
        }
        case NumberFormat::Time:
            if (number >= 0 && number < 1)
                return DateSerial::toTime(number);
            break;
        case NumberFormat::Number:
            break;
        }
        if (cell.kind == CellStore::Kind::Integer)
            return QVariant(qlonglong(cell.integer));
        return number;
    }
    case CellStore::Kind::SharedString:
        return strings.text(cell.index);
    case CellStore::Kind::Text:
    case CellStore::Kind::InlineText:
    case CellStore::Kind::Error:
        return cells.text(cell.index);
    case CellStore::Kind::Boolean:
        return cell.boolean;
    case CellStore::Kind::IsoDate: {
        const QString text = cells.text(cell.index);
        const QDateTime dateTime = QDateTime::fromString(text, Qt::ISODate);
        return dateTime.isValid() ? QVariant(dateTime) : QVariant(text);
    }
    }
    return {};
}

} // namespace Xlsx
