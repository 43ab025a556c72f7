#pragma once

#include "standinobject.h"

#include <QPointer>
#include <QVariant>

class StandinDialog;

// Stands in for QWIDGET_CREATOR, the opener of the shell's widget windows: the toasts and the
// small dialogs, which tests answer through lastDialog().
class StandinWidgetCreator : public StandinObject
{
    Q_OBJECT

public:
    explicit StandinWidgetCreator(QObject *parent = nullptr) : StandinObject(parent) {}

    Q_INVOKABLE QObject *toast(const QString &message, int mode);
    // Recorded as "message" with the kind and the text; nothing is shown.
    Q_INVOKABLE QObject *message(int kind, const QString &text, QObject *parent = nullptr);
    Q_INVOKABLE QObject *calendar(QObject *parent = nullptr);
    Q_INVOKABLE QObject *rowLimit(int limit, QObject *parent = nullptr);
    Q_INVOKABLE QObject *search(QObject *controller, const QVariant &rules, QObject *parent = nullptr);
    // The dialog opened last, while it is open.
    Q_INVOKABLE QObject *lastDialog() const;

private:
    StandinDialog *open(const QString &kind, const QVariantList &args);

    QPointer<StandinDialog> m_lastDialog;
};
