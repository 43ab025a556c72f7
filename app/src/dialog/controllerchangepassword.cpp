#include "controllerchangepassword.h"

#include "gui/core/message.h"

#include "client/controller/desktopcontroller.h"

#include <QLineEdit>

ControllerChangePassword::ControllerChangePassword(qint64 entryId, QWidget *parent)
    : ChangePassword(entryId, parent)
{
    // A closed dialog takes no late answer, even before it is deleted.
    connect(this, &QDialog::finished, this, [this] {
        if (m_controller)
            m_controller->disconnect(this);
    });
}

ControllerChangePassword::~ControllerChangePassword() = default;

QString ControllerChangePassword::inputProblem() const
{
    if (entryId() <= 0)
        return tr("The password cannot be changed: the record has no id.");
    if (newPasswordEdit()->text().isEmpty())
        return tr("Enter the new password.");
    if (newPasswordEdit()->text() != confirmEdit()->text())
        return tr("The new password and its confirmation differ.");
    return {};
}

void ControllerChangePassword::accept()
{
    const QString problem = inputProblem();
    if (!problem.isEmpty()) {
        Gui::Message::warning(this, problem);
        focusProblemField();
        return;
    }
    m_send(params());
    start();
}

void ControllerChangePassword::focusProblemField()
{
    QLineEdit *field = newPasswordEdit()->text().isEmpty() ? newPasswordEdit() : confirmEdit();
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void ControllerChangePassword::onSaChangePwd(const QVariantMap &params)
{
    if (params.value(QStringLiteral("RECEIVER")).toString() != m_controller->objectNumber())
        return;
    stop();
    if (params.value(QStringLiteral("RES")).toString() == QLatin1String("10")) {
        onPasswordChanged();
        return;
    }
    Gui::Message::critical(this, errorText(params.value(QStringLiteral("ERRCODE")).toInt()));
}
