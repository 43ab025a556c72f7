#pragma once

#include "gui/dialog/changepassword.h"

#include <QVariantMap>

#include <functional>
#include <memory>

namespace Client::Controller {
class DesktopController;
}

// A change-password dialog of this program: checks what was typed, sends "trChangePwd" through
// a controller of its own and acts only on the answer addressed to that controller. Subclasses
// choose the controller and whether the old password is asked.
class ControllerChangePassword : public Gui::Dialog::ChangePassword
{
    Q_OBJECT

public:
    ~ControllerChangePassword() override;

    Client::Controller::DesktopController *controller() const { return m_controller.get(); }

public slots:
    // Sends the request, or says why not; the dialog stays open until the answer.
    void accept() override;

protected:
    ControllerChangePassword(qint64 entryId, QWidget *parent);

    // Takes the controller: its trChangePwd sends, its saChangePwd answers.
    template<typename Controller>
    void setController(std::unique_ptr<Controller> controller);

private slots:
    void onSaChangePwd(const QVariantMap &params);

private:
    // Why Ok sends nothing; empty when the input may go out.
    QString inputProblem() const;
    void focusProblemField();

    std::unique_ptr<Client::Controller::DesktopController> m_controller;
    std::function<void(const QVariantMap &)> m_send;
};

template<typename Controller>
void ControllerChangePassword::setController(std::unique_ptr<Controller> controller)
{
    Controller *own = controller.get();
    m_send = [own](const QVariantMap &params) { own->trChangePwd(params); };
    connect(own, &Controller::saChangePwd, this, &ControllerChangePassword::onSaChangePwd);
    m_controller = std::move(controller);
}
