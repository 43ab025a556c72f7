#pragma once

#include <QStringList>

class QWidget;

// The texts of a window's visible labels, check boxes and push buttons that do not fit their
// widget, as "class: text".
QStringList truncatedTexts(const QWidget *window);
