#pragma once

#include <QWidgetList>

// The widgets Tab walks through after start, in order, until it comes back to start.
QWidgetList tabOrderAfter(QWidget *start);
