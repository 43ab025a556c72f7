#include "changepassword.h"

#include "common/core/utils/utils.h"
#include "gui/core/message.h"

#include <QFormLayout>
#include <QHash>
#include <QLineEdit>

namespace Gui::Dialog {

namespace {

QLineEdit *passwordEdit()
{
    auto *edit = new QLineEdit;
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QString digest(const QLineEdit *edit)
{
    return ::Utils().getPwdHash(edit->text());
}

} // namespace

ChangePassword::ChangePassword(qlonglong entryId, QWidget *parent)
    : StandardDialog(parent)
    , m_entryId(entryId)
    , m_oldPassword(passwordEdit())
    , m_newPassword(passwordEdit())
    , m_confirm(passwordEdit())
    , m_form(new QFormLayout)
{
    setWindowTitle(tr("Change Password"));
    m_form->addRow(tr("Old password:"), m_oldPassword);
    m_form->addRow(tr("New password:"), m_newPassword);
    m_form->addRow(tr("Confirm password:"), m_confirm);
    insertLayout(m_form, true);
    setWidth(400);
}

ChangePassword::~ChangePassword() = default;

void ChangePassword::hideOldPassword()
{
    m_oldPassword->hide();
    if (QWidget *label = m_form->labelForField(m_oldPassword))
        label->hide();
}

QVariantMap ChangePassword::params() const
{
    QVariantMap result{{QStringLiteral("id"), QString::number(m_entryId)},
                       {QStringLiteral("pwd"), digest(m_newPassword)},
                       {QStringLiteral("pwd_confirm"), digest(m_confirm)}};
    if (!m_oldPassword->isHidden())
        result.insert(QStringLiteral("old_pwd"), digest(m_oldPassword));
    return result;
}

QString ChangePassword::errorText(int code)
{
    static const QHash<int, const char *> texts{
        {200, QT_TR_NOOP("Failed to define entry by id")},
        {201, QT_TR_NOOP("Password and confirm password is different")},
        {202, QT_TR_NOOP("Old password is bad")},
        {203, QT_TR_NOOP("Error occurred on updating new password")},
        {204, QT_TR_NOOP("Undefined error occurred")},
    };
    const char *text = texts.value(code);
    return text ? tr(text) : tr("The password was not changed (error code %1)").arg(code);
}

QLineEdit *ChangePassword::oldPasswordEdit() const
{
    return m_oldPassword;
}

QLineEdit *ChangePassword::newPasswordEdit() const
{
    return m_newPassword;
}

QLineEdit *ChangePassword::confirmEdit() const
{
    return m_confirm;
}

void ChangePassword::onPasswordChanged()
{
    Message::information(this, tr("Password successfully changed"));
    // Not the subclass's accept(): that one sends the request.
    QDialog::accept();
}

} // namespace Gui::Dialog
