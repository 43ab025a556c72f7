#include "plainmessageboxes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>

namespace Gui {

PlainMessageBoxes::PlainMessageBoxes(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool PlainMessageBoxes::eventFilter(QObject *watched, QEvent *event)
{
    // A widget is polished once, before it first shows.
    if (event->type() == QEvent::Polish) {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && box->textFormat() == Qt::AutoText)
            box->setTextFormat(Qt::PlainText);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Gui
