#include "tableexport.h"

#include "client/controller/originalmodel.h"
#include "client/controller/proxymodel.h"
#include "model/base/abstractmodel.h"
#include "xlsx/document.h"

#include <QColor>
#include <QTextBoundaryFinder>

#include <cmath>

namespace Client {

namespace {

const QString DateFormat = QStringLiteral("dd MMM yyyy, hh:mm");

bool isEmptyValue(const QVariant &value)
{
    return !value.isValid() || value.isNull() || value.toString().isEmpty();
}

// A cell holds finite numbers only: NaN and the infinities are written as the text that names
// them, as the database writes them.
QString nonFiniteText(double number)
{
    if (std::isnan(number))
        return QStringLiteral("NaN");
    return number > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
}

bool isNonFiniteNumber(const QVariant &value)
{
    const int type = value.userType();
    return (type == QMetaType::Double || type == QMetaType::Float) && !std::isfinite(value.toDouble());
}

// The text cut to what a cell holds, between whole characters (a pair of surrogates, a letter
// and its marks), its end marked by "…". Only the cell's length of the text is scanned.
QString fittedText(const QString &text)
{
    const int limit = Xlsx::Cell::MaxTextLength - 1;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text.constData(), qMin(text.size(), limit + 2));
    characters.setPosition(limit);
    if (!characters.isAtBoundary())
        characters.toPreviousBoundary();
    int kept = characters.position();
    if (kept <= 0) { // one character longer than a cell: cut it, though never inside a pair
        kept = limit;
        if (text.at(kept - 1).isHighSurrogate())
            --kept;
    }
    return text.left(kept) + QChar(0x2026);
}

} // namespace

TableExport::TableExport(const Controller::ProxyModel *view, const QVariantList &columns, qint64 utcOffset)
    : m_view(view)
    , m_columns(columns)
    , m_utcOffset(utcOffset)
{
}

QVariant TableExport::cellValue(const QString &role, const QVariant &value) const
{
    // An empty value is a blank cell, never a 1970 date or a zero.
    if (isEmptyValue(value))
        return QVariant();
    if (isNonFiniteNumber(value))
        return nonFiniteText(value.toDouble());
    if (role.startsWith(QLatin1String("dt_")))
        return m_utils.utcmsec2LocalDateTime(value.toLongLong(), DateFormat, m_utcOffset);
    const Controller::OriginalModel *rows = m_view->originalModel();
    const Model::AbstractModel *catalogue = rows ? rows->baseModel().data() : nullptr;
    const Common::FieldDescriptor *field = catalogue ? catalogue->findField(role) : nullptr;
    if (!field)
        return value;
    bool ok = false;
    switch (field->type) {
    case Model::SQL_INTEGER:
    case Model::SQL_BIGINTEGER: {
        if (field->has(Model::DURATION))
            return m_utils.formatDuration(value.toLongLong());
        if (field->has(Model::HOUR_DURATION))
            return m_utils.formatHourDuration(value.toLongLong());
        const qlonglong number = value.toLongLong(&ok);
        return ok ? QVariant(number) : QVariant(value.toString());
    }
    case Model::SQL_REAL:
    case Model::SQL_DOUBLE: {
        // "NaN", "inf" and "-inf" read as numbers; a text that is no number stays what it is.
        const double number = value.toDouble(&ok);
        if (!ok)
            return value.toString();
        return std::isfinite(number) ? QVariant(number) : QVariant(nonFiniteText(number));
    }
    default:
        return value;
    }
}

bool TableExport::save(const QString &fileName)
{
    Xlsx::Document book;
    Xlsx::Worksheet *sheet = book.currentWorksheet();
    Xlsx::Format header;
    header.setFontBold(true);
    header.setFontColor(QColor(Qt::white));
    header.setFillPattern(Xlsx::Format::PatternSolid);
    header.setPatternBackgroundColor(QColor(Qt::blue));
    QStringList roles;
    for (int c = 0; c < m_columns.size(); ++c) {
        const QVariantMap column = m_columns.at(c).toMap();
        roles << column.value(QStringLiteral("role")).toString();
        sheet->write(1, c + 1, column.value(QStringLiteral("title")).toString(), header);
    }
    const Xlsx::Format plain;
    m_cutCells = 0;
    const int rows = m_view->rowCount();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < roles.size(); ++c) {
            QVariant value = cellValue(roles.at(c), m_view->data(r, roles.at(c)));
            if (value.userType() == QMetaType::QString && value.toString().size() > Xlsx::Cell::MaxTextLength) {
                value = fittedText(value.toString());
                ++m_cutCells;
            }
            if (!sheet->write(r + 2, c + 1, value, plain)) {
                m_error = sheet->errorString();
                return false;
            }
        }
    }
    if (!book.saveAs(fileName)) {
        m_error = QStringLiteral("the workbook %1 could not be saved").arg(fileName);
        return false;
    }
    return true;
}

} // namespace Client
