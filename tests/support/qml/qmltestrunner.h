#pragma once

// Runs the Qt Quick Test files of sourceDir (tst_*.qml) offscreen with the software renderer
// and the shell's stand-in context objects. Any QML warning or error that the test did not
// expect with TestCase.ignoreWarning fails the run, also one raised between test functions.
int runQmlTests(int argc, char **argv, const char *name, const char *sourceDir);
