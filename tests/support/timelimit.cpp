#include "timelimit.h"

#include <QtGlobal>

int timeLimit(int milliseconds)
{
    bool ok = false;
    const int factor = qEnvironmentVariableIntValue("KORIV_TEST_TIME_FACTOR", &ok);
    return ok && factor > 1 ? milliseconds * factor : milliseconds;
}
