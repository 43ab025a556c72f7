#pragma once

#include <QDate>

#include <functional>

// A step whose outcome depends on the date (a period preset from today, a time drawn as today's)
// made on one day: run again, on the new day, when the date that today() gives changed while it
// ran. A day ends once in a test, so a step runs twice at most (three times is the bound). The
// date it last ran on.
QDate onOneDay(const std::function<QDate()> &today, const std::function<void()> &step);
