#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QString>

namespace Common {

// Reads a JSON text as QJsonDocument::fromJson does: the same document, and for a text it cannot
// read a null document with Qt's reason in error. An object that gives a member name twice keeps
// its last value, as Qt keeps it, and then repeated (when given) says which name, for the reader
// to warn about in a text of its own; otherwise repeated is emptied. Qt 5.15 loses the memory of
// an array or object that such a member replaces, so a text with a repeat is parsed with the
// earlier members renamed apart, and these are removed from the document after (JsonNameScan).
// The names are checked in one more pass over the text, linear in its size; only a text that
// repeats a name is copied and its document walked.
QJsonDocument readJson(const QByteArray &text, QString *error = nullptr, QString *repeated = nullptr);

} // namespace Common
