#include "taborder.h"

#include <QWidget>

QWidgetList tabOrderAfter(QWidget *start)
{
    QWidgetList result;
    for (QWidget *w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            result.append(w);
    }
    return result;
}
