#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QString>

namespace Common {

// Reads a JSON text as QJsonDocument::fromJson does: the same document, and for a text it cannot
// read a null document with Qt's reason in error. An object that gives a member name twice keeps
// the last value, as Qt does in objects of up to 16 members (in larger ones Qt 5.15's sort is not
// stable and keeps one of them), and repeated, when given, says which name, for a reader of a text
// of its own to warn about; otherwise it is emptied. Qt 5.15 loses the memory of an array or object
// that it drops for a later member, so a text with a repeat is parsed with the earlier members
// renamed apart, which are removed from the document after (JsonNameScan). The names are found in
// one more pass over the text, linear in its size; only a text that repeats a name is copied and
// its document walked.
QJsonDocument readJson(const QByteArray &text, QString *error = nullptr, QString *repeated = nullptr);

} // namespace Common
