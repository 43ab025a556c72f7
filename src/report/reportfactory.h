#pragma once

#include "abstractreport.h"

#include <QSharedPointer>

namespace Report {

// The report of a type number (0 to 15) with no database: the client's form, for writing only.
QSharedPointer<AbstractReport> createReport(int type);
// The report of a type number over a database; null for a type outside 0 to 15.
QSharedPointer<AbstractReport> createReport(int type, Common::Db *db);

} // namespace Report
