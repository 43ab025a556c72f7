#pragma once

#include <QLatin1String>
#include <QString>
#include <QVariantMap>

#include <initializer_list>
#include <utility>

// The answers of a controller's own requests: emits the signal of the first answer name that
// equals action, with the answer's map; false when no name does.
template<typename Controller>
bool emitOwnAnswer(Controller *controller, const QString &action, const QVariantMap &params,
                   std::initializer_list<std::pair<QLatin1String, void (Controller::*)(QVariantMap)>> answers)
{
    for (const auto &answer : answers) {
        if (action == answer.first) {
            emit(controller->*answer.second)(params);
            return true;
        }
    }
    return false;
}
