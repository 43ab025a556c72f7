#include "oneday.h"

QDate onOneDay(const std::function<QDate()> &today, const std::function<void()> &step)
{
    QDate day;
    for (int run = 0; run < 3; ++run) {
        day = today();
        step();
        if (today() == day)
            break;
    }
    return day;
}
