#pragma once

#include "model/base/abstractmodel.h"

#include <QJsonObject>
#include <QString>

// Compares a catalogue with its description in a shape file (tests/model/shapes/*.json):
// table name, fields in declaration order with caption, type, flags, required flag, default and
// its variant type, references and joins, and the index list.
namespace ShapeFile {

// The parsed file under tests/model/shapes; an empty object (and a failed test) when unreadable,
// and when unparsable, with a warning that says why.
QJsonObject load(const QString &fileName);

// Empty when the catalogue matches the description; otherwise every difference, one a line.
// common holds the fields and indexes that a description with "common" starts with.
QString compare(const Model::AbstractModel &model, const QJsonObject &description, const QJsonObject &common);

} // namespace ShapeFile
