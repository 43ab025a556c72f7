#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

// The main() of a page test: settings and data in a temporary home, start-up's preparation, the
// application, then the test object; a warning or error while it closes after the run fails the
// test as well. takeOver, when given, may answer for the run instead (a child process of the
// test, say) by returning its exit code.
int pageTestMain(int argc, char *argv[], const std::function<std::unique_ptr<QObject>()> &makeTest,
                 const std::function<std::optional<int>(int, char **)> &takeOver = {});

#define KORIV_PAGE_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char *argv[])                                                                   \
    {                                                                                                  \
        return pageTestMain(argc, argv, [] { return std::make_unique<TestClass>(); });                 \
    }
