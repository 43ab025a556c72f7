#pragma once

#include <QStringList>

// Rows enough for every list of the page catalogue to overflow its table: count records more in
// each shared catalogue and in each own list as its page asks for it (today's, or those of the
// record whose editor holds the tab). Run after pageSeed(), whose records they belong to.
QStringList manyRowsSeed(int count = 40);

