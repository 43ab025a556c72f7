#include "shortcutprecedence.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QQuickItem>
#include <QQuickWindow>

namespace Gui {

namespace {

// As a Shortcut reads its sequence: text, or a standard key's first binding.
QKeySequence toSequence(const QVariant &value)
{
    if (value.userType() == QMetaType::Int)
        return QKeySequence::keyBindings(QKeySequence::StandardKey(value.toInt())).value(0);
    if (value.canConvert<QKeySequence>() && value.userType() != QMetaType::QString)
        return value.value<QKeySequence>();
    return QKeySequence::fromString(value.toString());
}

bool bindsCombination(const QObject *shortcut, int combination)
{
    QVariantList sequences = shortcut->property("sequences").toList();
    sequences.append(shortcut->property("sequence"));
    for (const QVariant &value : qAsConst(sequences)) {
        const QKeySequence sequence = toSequence(value);
        if (sequence.count() == 1 && sequence[0] == combination)
            return true;
    }
    return false;
}

bool shown(const QObject *shortcut)
{
    const auto *item = qobject_cast<const QQuickItem *>(shortcut->parent());
    return item && item->isVisible();
}

bool itemBinds(const QQuickItem *item, int combination)
{
    for (const QObject *child : item->children()) {
        if (child->inherits("QQuickShortcut") && (child->property("enabled").toBool() || shown(child))
            && bindsCombination(child, combination))
            return true;
    }
    const QList<QQuickItem *> items = item->childItems();
    for (const QQuickItem *childItem : items) {
        if (itemBinds(childItem, combination))
            return true;
    }
    return false;
}

} // namespace

ShortcutPrecedence::ShortcutPrecedence(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool ShortcutPrecedence::bindsKey(QQuickWindow *window, const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    return itemBinds(window->contentItem(), event->key() | int(modifiers));
}

bool ShortcutPrecedence::eventFilter(QObject *watched, QEvent *event)
{
    // A window hands the key to its focused item: stopped here, the item never sees it.
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *window = qobject_cast<QQuickWindow *>(watched);
    auto *key = static_cast<QKeyEvent *>(event);
    if (!window || !bindsKey(window, key))
        return QObject::eventFilter(watched, event);
    // Unclaimed, the key goes to an enabled shortcut; a key press that gets here found none.
    key->setAccepted(type == QEvent::KeyPress);
    return true;
}

} // namespace Gui
