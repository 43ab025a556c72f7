#pragma once

#include "model/base/abstractmodel.h"

// A table catalogue with one column of each kind the list models treat apart: text ("name",
// "note"), 32- and 64-bit integers ("count", "big"), a double ("price") and a joined value.
class ListCatalogue : public Model::AbstractModel
{
public:
    ListCatalogue();

    QString tableName() const override { return QStringLiteral("test_rows"); }
};
