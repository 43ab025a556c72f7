#pragma once

#include "common/core/utils/utils.h"

#include <QVariantList>

// DESKTOP_UTILS for tests: the real conversions of Utils on a clock the test sets, keyboard
// modifiers the test sets, and the workbook exports recorded instead of written.
class StandinDesktopUtils : public Utils
{
    Q_OBJECT
    Q_PROPERTY(int modifiers READ modifiers WRITE setModifiers NOTIFY modifiersChanged)
    Q_PROPERTY(QVariantList exports READ exports NOTIFY exportsChanged)

public:
    explicit StandinDesktopUtils(QObject *parent = nullptr);

    QDateTime currentDateTime() override { return m_now; }
    int modifiers() const { return m_modifiers; }
    void setModifiers(int modifiers);
    QVariantList exports() const { return m_exports; }

    Q_INVOKABLE void writeToExcel(const QVariantMap &table);
    // Test control: "now", as epoch milliseconds seen at an offset in minutes.
    Q_INVOKABLE void setNow(qlonglong epochMs, int offsetMinutes);

signals:
    void modifiersChanged();
    void exportsChanged();

private:
    QDateTime m_now;
    int m_modifiers = 0;
    QVariantList m_exports;
};
