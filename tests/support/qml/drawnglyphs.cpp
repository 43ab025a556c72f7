#include "drawnglyphs.h"

#include <QFont>
#include <QQuickItem>
#include <QRawFont>

namespace {

bool isIconCodePoint(QChar c)
{
    return c.unicode() >= 0xe000 && c.unicode() <= 0xf8ff;
}

QString itemName(const QObject *item)
{
    const QString name = item->objectName();
    return name.isEmpty() ? QString::fromLatin1(item->metaObject()->className()) : name;
}

void collect(QQuickItem *item, QStringList &missing)
{
    // Text, Label and the text items of controls: every QQuickText draws its text in its font.
    if (item->inherits("QQuickText")) {
        const QString text = item->property("text").toString();
        const QFont font = item->property("font").value<QFont>();
        const QRawFont face = QRawFont::fromFont(font);
        for (const QChar c : text) {
            if (isIconCodePoint(c) && !face.supportsCharacter(c)) {
                missing.append(QStringLiteral("%1: U+%2 in %3 %4")
                                   .arg(itemName(item), QString::number(c.unicode(), 16).toUpper(),
                                        face.familyName(), face.styleName()));
            }
        }
    }
    for (QQuickItem *child : item->childItems())
        collect(child, missing);
}

} // namespace

QStringList missingGlyphs(QObject *root)
{
    QStringList missing;
    // Visual children, and the items that hang off the object tree only (a control's content
    // item before it is shown, a window's content).
    QList<QQuickItem *> tops;
    if (auto *item = qobject_cast<QQuickItem *>(root))
        tops.append(item);
    for (QQuickItem *item : root->findChildren<QQuickItem *>()) {
        if (!item->parentItem())
            tops.append(item);
    }
    for (QQuickItem *top : tops)
        collect(top, missing);
    missing.removeDuplicates();
    return missing;
}
