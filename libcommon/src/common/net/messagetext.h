#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringRef>
#include <QVariantMap>

class NetDTO;

namespace Common {

class RepeatedTexts;

// One message of the text form: "#SIGN=" + sign + entry text + "#[END]".
QString messageText(const QString &sign, const NetDTO &record);
void appendMessageText(QString &text, const QString &sign, const NetDTO &record);
// The messages of the records one after another in UTF-8: the bytes of appendMessageText over
// every record and toUtf8, written at once, for long lists.
QByteArray messagesUtf8(const QString &sign, const QList<NetDTO> &records);

// Reads one received message (the text between two "[END]" markers) into a map of texts.
// Entries are split at "#" and "=" that are not escaped by a preceding "/"; a piece without
// "=" is ignored, a later duplicate key wins, values are unescaped.
QVariantMap parseMessage(const QString &text);
QVariantMap parseMessage(QStringRef text);
// The same, sharing the storage of texts that recur at the same place as in the messages read
// before with repeated (the maps of a long list then keep each key once).
QVariantMap parseMessage(QStringRef text, RepeatedTexts *repeated);

} // namespace Common
