#pragma once

// Qt Test's waits that name no limit of their own wait five seconds; in the tests they stretch
// with the test time factor, as every other wait does. Read before each test source
// (tests/support/CMakeLists.txt).
#include "timelimit.h"

#include <QtTest/qtestcase.h>

#undef QTRY_VERIFY
#undef QTRY_VERIFY2
#undef QTRY_COMPARE
#define QTRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT((expr), timeLimit(5000))
#define QTRY_VERIFY2(expr, messageExpression) QTRY_VERIFY2_WITH_TIMEOUT((expr), (messageExpression), timeLimit(5000))
#define QTRY_COMPARE(expr, expected) QTRY_COMPARE_WITH_TIMEOUT((expr), expected, timeLimit(5000))
