#pragma once

#include <QDate>
#include <QString>

#include <functional>

// A step whose outcome depends on the date (a period preset from today, a time drawn as today's)
// made on one day: run again, on the new day, when the date that today() gives changed while it
// ran. A day ends once in a test, so a step runs twice at most (three times is the bound). The
// date it last ran on. What a run given up on had failed is said (qInfo) before it runs again: a
// Qt Test check that failed in it, which fails the test whatever comes after.
QDate onOneDay(const std::function<QDate()> &today, const std::function<void()> &step);
// The same for a step that returns what went wrong, empty when nothing did: the failure of a run
// given up on is said with the rest, and that of the last run goes to *failure.
QDate onOneDay(const std::function<QDate()> &today, const std::function<QString()> &step, QString *failure);
