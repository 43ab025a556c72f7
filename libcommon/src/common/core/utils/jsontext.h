#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QString>

namespace Common {

// Reads a JSON text as QJsonDocument::fromJson does, but refuses a text that gives one member name
// twice in one object: what its sender meant is ambiguous, and Qt 5.15 loses the memory of an
// array or object such a member replaces. A text refused or not read gives a null document and
// the reason in error. The names are checked in one more pass over the text, linear in its size.
QJsonDocument readJson(const QByteArray &text, QString *error = nullptr);

} // namespace Common
