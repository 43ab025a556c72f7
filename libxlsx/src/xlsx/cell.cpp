#include "xlsx/cell.h"

namespace Xlsx {

bool Cell::isDateTime() const
{
    const int type = m_value.userType();
    return type == QMetaType::QDate || type == QMetaType::QDateTime || type == QMetaType::QTime;
}

QDateTime Cell::dateTime() const
{
    switch (m_value.userType()) {
    case QMetaType::QDate: return QDateTime(m_value.toDate(), QTime(0, 0));
    case QMetaType::QDateTime: return m_value.toDateTime();
    case QMetaType::QTime: return QDateTime(QDate(1899, 12, 31), m_value.toTime());
    default: return {};
    }
}

} // namespace Xlsx
