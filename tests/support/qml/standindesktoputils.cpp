#include "standindesktoputils.h"

StandinDesktopUtils::StandinDesktopUtils(QObject *parent)
    : Utils(parent)
{
    setNow(QDateTime(QDate(2024, 5, 14), QTime(12, 0), Qt::UTC).toMSecsSinceEpoch(), 180);
}

void StandinDesktopUtils::setModifiers(int modifiers)
{
    m_modifiers = modifiers;
    emit modifiersChanged();
}

void StandinDesktopUtils::writeToExcel(const QVariantMap &table)
{
    m_exports.append(table);
    emit exportsChanged();
}

void StandinDesktopUtils::setNow(qlonglong epochMs, int offsetMinutes)
{
    m_now = QDateTime::fromMSecsSinceEpoch(epochMs, Qt::OffsetFromUTC, offsetMinutes * 60);
}
