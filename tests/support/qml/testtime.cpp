#include "testtime.h"

#include "timelimit.h"

int TestTime::limit(int milliseconds) const
{
    return timeLimit(milliseconds);
}
