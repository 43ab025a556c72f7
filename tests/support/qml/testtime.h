#pragma once

#include <QObject>

// The time limits of QML test cases: TestTime.limit(ms) stretches a wait or a time-out by the
// factor in KORIV_TEST_TIME_FACTOR, as timeLimit() does in C++ tests.
class TestTime : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    Q_INVOKABLE int limit(int milliseconds) const;
};
