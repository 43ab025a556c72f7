#include "securitylookup.h"

#include "client/controller/desktopcontroller.h"
#include "client/controller/security/securityoption.h"
#include "client/controller/security/usergroupsecurityoption.h"
#include "client/controller/security/usersecurityoption.h"
#include "common/core/exception/exception.h"
#include "common/core/singleton/spsingleton.h"

#include <QDebug>
#include <QHash>
#include <QJSEngine>

namespace Gui {

namespace {

const QHash<QString, int> &operations()
{
    static const QHash<QString, int> table{
        {QStringLiteral("create"), 0},
        {QStringLiteral("read"), 1},
        {QStringLiteral("update"), 2},
        {QStringLiteral("delete"), 3},
        {QStringLiteral("duplicate"), 4},
        {QStringLiteral("update_locked_record"), 5},
        {QStringLiteral("open_editor"), 6},
        {QStringLiteral("table_mapping"), 7},
    };
    return table;
}

Exception unknownOperation()
{
    return Exception(QStringLiteral("Unknown operation"));
}

} // namespace

SecurityLookup::SecurityLookup(QObject *parent)
    : QObject(parent)
{
    // Scripts pass controllers to the invokables below.
    qRegisterMetaType<Client::Controller::DesktopController *>("Client::Controller::DesktopController*");
}

SecurityLookup::~SecurityLookup() = default;

int SecurityLookup::operationNumber(const QString &name)
{
    const auto found = operations().constFind(name);
    if (found == operations().cend())
        throw unknownOperation();
    return found.value();
}

QString SecurityLookup::optionValue(const QString &controllerName, int operation) const
{
    using namespace Client::Controller;
    OriginalModel *groupValues = SpSingleton<UserGroupSecurityOption>::instance()->originalModel();
    OriginalModel *userValues = SpSingleton<UserSecurityOption>::instance()->originalModel();
    const QString name = operations().key(operation);
    if (name.isEmpty())
        throw unknownOperation();
    return SecurityOption::effectiveValue4CurrentUser(controllerName + QStringLiteral(".crud.") + name, groupValues,
                                                      userValues);
}

bool SecurityLookup::state(Client::Controller::DesktopController *controller, int operation) const
{
    return controller && optionValue(controller->name(), operation) == QLatin1String("1");
}

bool SecurityLookup::stateByName(const QString &name, int operation) const
{
    return optionValue(name, operation) == QLatin1String("1");
}

QString SecurityLookup::value(Client::Controller::DesktopController *controller, int operation) const
{
    return controller ? optionValue(controller->name(), operation) : QString();
}

template<typename Answer, typename Lookup>
Answer SecurityLookup::answerScript(const QString &operation, Answer refused, Lookup lookup)
{
    try {
        return lookup(operationNumber(operation));
    } catch (const Exception &e) {
        // No exception may cross into the QML engine: the script gets an error of its own. Pages
        // reach the lookup itself or through the object that owns it (GLOBAL).
        QJSEngine *engine = qjsEngine(this);
        if (!engine && parent())
            engine = qjsEngine(parent());
        if (engine)
            engine->throwError(e.message());
        else
            qWarning().noquote() << e.message() << operation;
    }
    return refused;
}

bool SecurityLookup::securityState(Client::Controller::DesktopController *controller, const QString &operation)
{
    return answerScript(operation, false, [&](int number) { return state(controller, number); });
}

bool SecurityLookup::securityStateByName(const QString &name, const QString &operation)
{
    return answerScript(operation, false, [&](int number) { return stateByName(name, number); });
}

QString SecurityLookup::securityValue(Client::Controller::DesktopController *controller, const QString &operation)
{
    return answerScript(operation, QString(), [&](int number) { return value(controller, number); });
}

} // namespace Gui
