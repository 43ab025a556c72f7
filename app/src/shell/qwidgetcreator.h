#pragma once

#include "gui/qml/qwidgetcreator.h"

// "QWIDGET_CREATOR" of this program: the shell's window host and the change-password dialogs
// that the driver, terminal company and user editors open. An opener takes the record id as
// decimal text; with a parent (the editor) the dialog closes when the parent goes. A text that
// is no record id opens nothing: the operator is told, and null is returned.
class QWidgetCreator : public Gui::QWidgetCreator
{
    Q_OBJECT

public:
    explicit QWidgetCreator(QObject *parent = nullptr);
    ~QWidgetCreator() override;

    Q_INVOKABLE QWidget *driverChangePassword(const QString &driverId, QObject *parent = nullptr);
    Q_INVOKABLE QWidget *terminalCompanyChangePassword(const QString &terminalCompanyId, QObject *parent = nullptr);
    Q_INVOKABLE QWidget *userChangePassword(const QString &userId, QObject *parent = nullptr);

private:
    template<typename Dialog>
    static QWidget *changePassword(const QString &id, QObject *parent);
};
