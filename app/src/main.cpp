#include "startup/startup.h"

#include <QApplication>

// Linux and the other platforms with a narrow command line hand the arguments to Qt unchanged;
// the program reads no options of its own.
int main(int argc, char *argv[])
{
    Startup::prepare();
    QApplication application(argc, argv);
    return Startup::runGuarded([] {
        Startup startup;
        return QApplication::exec();
    });
}
