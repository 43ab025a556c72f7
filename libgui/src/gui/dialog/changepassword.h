#pragma once

#include "standarddialog.h"

class QFormLayout;
class QLineEdit;

namespace Gui::Dialog {

// Base of the dialogs that set a new password for an account: the form, the request parameters
// (digests only), the success notice and the texts of the server's error codes. Subclasses send
// the request through their own controller and handle its answer.
class ChangePassword : public StandardDialog
{
    Q_OBJECT

public:
    explicit ChangePassword(qlonglong entryId, QWidget *parent = nullptr);
    ~ChangePassword() override;

    qlonglong entryId() const { return m_entryId; }
    // For accounts whose old password is not asked (drivers, terminal companies).
    void hideOldPassword();
    // "id", "pwd", "pwd_confirm" and, while the old password is asked, "old_pwd".
    QVariantMap params() const;
    // The text of an "ERRCODE"; a generic text with the code for codes the table lacks.
    static QString errorText(int code);

    QLineEdit *oldPasswordEdit() const;
    QLineEdit *newPasswordEdit() const;
    QLineEdit *confirmEdit() const;

public slots:
    // Tells the user and closes as accepted.
    void onPasswordChanged();

private:
    qlonglong m_entryId;
    QLineEdit *m_oldPassword;
    QLineEdit *m_newPassword;
    QLineEdit *m_confirm;
    QFormLayout *m_form;
};

} // namespace Gui::Dialog
