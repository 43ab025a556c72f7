#pragma once

#include <QString>
#include <QStringRef>
#include <QVariantMap>

class NetDTO;

namespace Common {

// One message of the text form: "#SIGN=" + sign + entry text + "#[END]".
QString messageText(const QString &sign, const NetDTO &record);
void appendMessageText(QString &text, const QString &sign, const NetDTO &record);

// Reads one received message (the text between two "[END]" markers) into a map of texts.
// Entries are split at "#" and "=" that are not escaped by a preceding "/"; a piece without
// "=" is ignored, a later duplicate key wins, values are unescaped.
QVariantMap parseMessage(const QString &text);
QVariantMap parseMessage(QStringRef text);

} // namespace Common
