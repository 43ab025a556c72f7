#pragma once

#include "standinobject.h"

#include <QJsonArray>
#include <QPointer>

// Stands in for QWIDGET_CREATOR, the opener of the shell's widget windows: the toasts and the
// small dialogs, which tests answer through lastDialog(). Pages reach only what the real opener
// offers too (TestControls aside).
class StandinWidgetCreator : public StandinObject
{
    Q_OBJECT
    Q_CLASSINFO("TestControls", "lastDialog")

public:
    explicit StandinWidgetCreator(QObject *parent = nullptr) : StandinObject(parent) {}

    // Recorded with the owner; the dialog opens.
    Q_INVOKABLE void openBox(QObject *box, QObject *owner);
    // Recorded with the owner a closed message dialog hands the keys back to.
    Q_INVOKABLE void activateOwner(QObject *owner);
    // Recorded with the owner a closed frame hands the keys to; no box of these is a window, so
    // none takes them.
    Q_INVOKABLE bool activateBox(QObject *owner);
    Q_INVOKABLE QObject *toast(const QString &message, int mode);
    // Recorded as "message" with the kind and the text; nothing is shown.
    Q_INVOKABLE QObject *message(int kind, const QString &text, QObject *parent = nullptr);
    // Recorded as "safeQuestion" with the text; the question waits for the test's answer.
    Q_INVOKABLE QObject *safeQuestion(const QString &text, QObject *parent = nullptr);
    // Recorded with the window and the date input it is opened for.
    Q_INVOKABLE QObject *calendar(QObject *parent = nullptr, QObject *item = nullptr);
    Q_INVOKABLE QObject *rowLimit(int limit, QObject *parent = nullptr);
    Q_INVOKABLE QObject *search(QObject *controller, const QJsonArray &rules, QObject *parent);
    // The dialog opened last, while it is open.
    Q_INVOKABLE QObject *lastDialog() const;

private:
    QObject *opened(QObject *dialog);

    QPointer<QObject> m_lastDialog;
};
