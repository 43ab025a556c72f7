#include "messageboxes.h"

#include <QMetaMethod>
#include <QVariant>

namespace {
bool isOpenBox(const QObject *object)
{
    return object->metaObject()->indexOfProperty("standardButtons") >= 0
        && object->metaObject()->indexOfProperty("text") >= 0 && object->property("visible").toBool();
}
} // namespace

QVariantList MessageBoxes::openIn(QObject *root) const
{
    QVariantList boxes;
    if (!root)
        return boxes;
    for (QObject *object : root->findChildren<QObject *>()) {
        if (isOpenBox(object))
            boxes.append(QVariant::fromValue(object));
    }
    return boxes;
}

QStringList MessageBoxes::textsIn(QObject *root) const
{
    QStringList texts;
    for (const QVariant &box : openIn(root))
        texts.append(box.value<QObject *>()->property("text").toString());
    return texts;
}

void MessageBoxes::closeAllIn(QObject *root) const
{
    for (const QVariant &box : openIn(root)) {
        QObject *dialog = box.value<QObject *>();
        const int buttons = dialog->property("standardButtons").toInt();
        int button = buttons & -buttons;
        // click() takes the dialog's own button enumeration, which travels as an int.
        const QMetaObject *meta = dialog->metaObject();
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.name() == "click" && method.parameterCount() == 1) {
                method.invoke(dialog, QGenericArgument(method.parameterTypes().first().constData(), &button));
                break;
            }
        }
    }
}
