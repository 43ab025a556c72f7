#pragma once

#include <QString>
#include <QVariant>

namespace Model {
class AbstractModel;
}

// How the values of a catalogue column compare when a list is sorted: integral columns as 64-bit
// integers, real columns as doubles and everything else as text without regard to case, so that
// "10" follows "9" in a number column whatever form the protocol gave the values.
namespace Client::Controller::FieldOrder {

enum class Kind { Integer, Real, Text };

bool isIntegral(qint32 sqlType);
Kind kindOf(qint32 sqlType);
// The kind of a column of the catalogue; text for a column it lacks or without a catalogue.
Kind kindOf(const Model::AbstractModel *catalogue, const QString &column);
// Negative, zero or positive as a sorts before, with or after b.
int compare(Kind kind, const QVariant &a, const QVariant &b);

} // namespace Client::Controller::FieldOrder
