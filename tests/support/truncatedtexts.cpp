#include "truncatedtexts.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

QStringList truncatedTexts(const QWidget *window)
{
    QStringList result;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        QString text;
        int room = 0;
        if (const auto *label = qobject_cast<const QLabel *>(w)) {
            text = label->text();
            room = label->contentsRect().width();
        } else if (const auto *box = qobject_cast<const QCheckBox *>(w)) {
            text = box->text();
            room = box->width() - (box->sizeHint().width() - box->fontMetrics().horizontalAdvance(text));
        } else if (const auto *button = qobject_cast<const QPushButton *>(w)) {
            text = button->text();
            room = button->width() - 6;
        }
        if (!text.isEmpty() && w->fontMetrics().horizontalAdvance(text) > room)
            result.append(QString::fromLatin1(w->metaObject()->className()) + ": " + text);
    }
    return result;
}
