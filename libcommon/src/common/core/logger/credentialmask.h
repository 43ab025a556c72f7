#pragma once

#include <QString>

namespace Common {

// Hides the values of credential keys ("SID", "pwd", "password", ...) in a text about to be logged.
// Covers the message text form ("#SID=..."), JSON ("\"sid\":\"...\"") and Qt's debug form of maps.
QString maskCredentials(const QString &text);

} // namespace Common
