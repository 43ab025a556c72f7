#include "overridecursor.h"

#include <QApplication>

int popOverrideCursors()
{
    int depth = 0;
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
        ++depth;
    }
    return depth;
}
