#pragma once

#include "model/base/creator.h"

#include <QString>
#include <QVector>

namespace Common {
class Db;
}

// Stand-ins for the referenced tables that the list does not describe, then the database
// initialiser over the list. False, with the reason in error, when either fails.
bool buildDatabase(Common::Db *db, const QVector<Model::Creator::Factory> &catalogues, QString *error);
