#pragma once

#include <QObject>
#include <QString>

namespace Client::Controller {
class DesktopController;
}

namespace Gui {

// Answers the pages' questions about the signed-in user's rights on the records of a controller:
// turns operation names ("read", "update", ...) into numbers and back, and reads the effective
// value of the option "<controller>.crud.<operation>". It keeps no state of its own.
class SecurityLookup : public QObject
{
    Q_OBJECT

public:
    explicit SecurityLookup(QObject *parent = nullptr);
    ~SecurityLookup() override;

    // The number of an operation name; throws Exception "Unknown operation" for another name.
    static int operationNumber(const QString &name);
    // The effective value of the option; throws Exception "Unknown operation" for a number that
    // names no operation.
    QString optionValue(const QString &controllerName, int operation) const;
    // Whether the value is "1"; false for a null controller.
    bool state(Client::Controller::DesktopController *controller, int operation) const;
    bool stateByName(const QString &name, int operation) const;
    // The value itself; empty for a null controller.
    QString value(Client::Controller::DesktopController *controller, int operation) const;

    // The same questions with operation names, for pages: an unknown name is a JavaScript error
    // in the calling script.
    Q_INVOKABLE bool securityState(Client::Controller::DesktopController *controller, const QString &operation);
    Q_INVOKABLE bool securityStateByName(const QString &name, const QString &operation);
    Q_INVOKABLE QString securityValue(Client::Controller::DesktopController *controller, const QString &operation);

private:
    // Runs a look-up by operation name; an unknown name is thrown into the calling script.
    template<typename Answer, typename Lookup>
    Answer answerScript(const QString &operation, Answer refused, Lookup lookup);
};

} // namespace Gui
