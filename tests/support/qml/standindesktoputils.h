#pragma once

#include "common/core/utils/utils.h"

#include <QVariantList>

// DESKTOP_UTILS for tests: the real conversions of Utils on a clock the test sets, keyboard
// modifiers the test sets, the look-ups in the QML tree, the clipboard, and the workbook exports
// recorded instead of written, answered as the test chooses.
class StandinDesktopUtils : public Utils
{
    Q_OBJECT
    Q_PROPERTY(int modifiers READ modifiers WRITE setModifiers NOTIFY modifiersChanged)
    Q_PROPERTY(bool isAltPressed READ isAltPressed NOTIFY modifiersChanged)
    Q_PROPERTY(bool isControlPressed READ isControlPressed NOTIFY modifiersChanged)
    Q_PROPERTY(bool isShiftPressed READ isShiftPressed NOTIFY modifiersChanged)
    Q_PROPERTY(QVariantList exports READ exports NOTIFY exportsChanged)

public:
    explicit StandinDesktopUtils(QObject *parent = nullptr);

    QDateTime currentDateTime() override { return m_now; }
    int modifiers() const { return m_modifiers; }
    void setModifiers(int modifiers);
    bool isAltPressed() const { return m_modifiers & Qt::AltModifier; }
    bool isControlPressed() const { return m_modifiers & Qt::ControlModifier; }
    bool isShiftPressed() const { return m_modifiers & Qt::ShiftModifier; }
    QVariantList exports() const { return m_exports; }

    // Records the export and answers with exportResult: by default written to
    // "/exports/tables/_.xlsx" and opened.
    Q_INVOKABLE QVariantMap writeToExcel(const QVariantMap &table);
    // Test control: what the next exports answer.
    Q_INVOKABLE void setExportResult(const QVariantMap &result) { m_exportResult = result; }
    // The QML id of the object in the document that declared it; empty when it has none.
    Q_INVOKABLE QString idToString(QObject *object) const;
    Q_INVOKABLE QObject *findChildByName(QObject *rootObject, const QString &name) const;
    Q_INVOKABLE QList<QObject *> findChildrenByName(QObject *rootObject, const QString &name) const;
    // The real bounds of text areas.
    Q_INVOKABLE QObject *boundText(QObject *area, int length, int lineLength);
    Q_INVOKABLE int fittingEnd(const QString &value, int length, int lineLength) const;
    // The real scrolling of a form's focused field into view.
    Q_INVOKABLE QObject *keepFocusInView(QObject *flickable);
    Q_INVOKABLE QString getClipboardText() const;
    Q_INVOKABLE void setClipboardText(const QString &text);
    // Test control: "now", as epoch milliseconds seen at an offset in minutes.
    Q_INVOKABLE void setNow(qlonglong epochMs, int offsetMinutes);

signals:
    void modifiersChanged();
    void exportsChanged();

private:
    QDateTime m_now;
    int m_modifiers = 0;
    QVariantList m_exports;
    QVariantMap m_exportResult{{QStringLiteral("written"), true},
                               {QStringLiteral("path"), QStringLiteral("/exports/tables/_.xlsx")},
                               {QStringLiteral("opened"), true}};
};
