#pragma once

#include <QString>

#include <functional>
#include <memory>

class QObject;

// Runs the event loop, as main() does, until done() holds (42) or 30 s passed (99); any other
// result means the program quit by itself.
int runUntil(const std::function<bool()> &done);

// The settings an operator left: two servers with the stand-in on port chosen, this login,
// English, no update check.
void writeOperatorSettings(int port, const QString &login);

// main() of a test of the program's start: the program's folders (settings, log, documents) in a
// folder of this run, the application object made as main() makes it, then the test that
// makeTest gives.
int runStartupTest(int argc, char *argv[], const std::function<std::unique_ptr<QObject>()> &makeTest);
