#include "textbound.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QQmlEngine>
#include <QQuickItem>

namespace Client {

namespace {

// The UTF-16 units of the character at i: two for a whole surrogate pair.
int unitsAt(QStringView text, int i)
{
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
}

} // namespace

TextBound::TextBound(QQuickItem *area, int length, int lineLength)
    : QObject(area)
    , m_area(area)
    , m_length(length)
    , m_lineLength(lineLength)
{
    area->installEventFilter(this);
}

TextBound *TextBound::attach(QObject *area, int length, int lineLength)
{
    auto *item = qobject_cast<QQuickItem *>(area);
    if (!item)
        return nullptr;
    auto *bound = new TextBound(item, length, lineLength);
    // Owned by the area, never by the script that asked for it.
    QQmlEngine::setObjectOwnership(bound, QQmlEngine::CppOwnership);
    return bound;
}

int TextBound::characters(QStringView text)
{
    int count = 0;
    for (int i = 0; i < text.size(); i += unitsAt(text, i))
        ++count;
    return count;
}

int TextBound::fittingEnd(QStringView value, int length, int lineLength)
{
    int count = 0;
    int line = 0;
    for (int i = 0; i < value.size(); i += unitsAt(value, i)) {
        const bool newline = value.at(i) == QLatin1Char('\n');
        if (++count > length || (!newline && ++line > lineLength))
            return i;
        if (newline)
            line = 0;
    }
    return value.size();
}

QString TextBound::fittingInsert(QStringView before, const QString &inserted, QStringView after, int length,
                                 int lineLength)
{
    int line = characters(before.mid(before.lastIndexOf(QLatin1Char('\n')) + 1));
    const int afterNewline = after.indexOf(QLatin1Char('\n'));
    const int tail = characters(afterNewline < 0 ? after : after.left(afterNewline));
    int room = length - characters(before) - characters(after);
    // A start is kept when its last line, which the rest of the line after it joins, fits too.
    int kept = 0;
    for (int i = 0; i < inserted.size() && room-- > 0;) {
        if (inserted.at(i) == QLatin1Char('\n'))
            line = 0;
        else if (++line > lineLength)
            break;
        i += unitsAt(inserted, i);
        if (line + tail <= lineLength)
            kept = i;
    }
    return inserted.left(kept);
}

std::pair<int, int> TextBound::selection(const QString &value) const
{
    const int start = qBound(0, m_area->property("selectionStart").toInt(), value.size());
    return {start, qBound(start, m_area->property("selectionEnd").toInt(), value.size())};
}

int TextBound::insertCut(const QString &text)
{
    const QString value = this->text();
    const auto [start, end] = selection(value);
    const QString kept = fittingInsert(QStringView(value).left(start), text, QStringView(value).mid(end), m_length,
                                       m_lineLength);
    if (kept.size() == text.size())
        return -1;
    if (!kept.isEmpty()) {
        QMetaObject::invokeMethod(m_area, "remove", Q_ARG(int, start), Q_ARG(int, end));
        insert(start, kept);
    }
    return characters(kept);
}

bool TextBound::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_area || m_forwarding || m_area->property("readOnly").toBool())
        return false;
    if (event->type() == QEvent::InputMethod)
        return cutCommit(static_cast<QInputMethodEvent *>(event));
    if (event->type() == QEvent::MouseButtonRelease)
        return cutSelectionPaste(static_cast<QMouseEvent *>(event));
    return false;
}

bool TextBound::cutCommit(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    if (commit.isEmpty())
        return false;
    // The commit replaces the selection, or else the stretch it names around the cursor.
    const QString value = text();
    auto [start, end] = selection(value);
    if (start == end && event->replacementLength() > 0) {
        start = qBound(0, start + event->replacementStart(), value.size());
        end = qBound(start, start + event->replacementLength(), value.size());
    }
    const QString kept = fittingInsert(QStringView(value).left(start), commit, QStringView(value).mid(end), m_length,
                                       m_lineLength);
    if (kept.size() == commit.size())
        return false;
    QInputMethodEvent bounded(event->preeditString(), event->attributes());
    bounded.setCommitString(kept, event->replacementStart(), event->replacementLength());
    m_forwarding = true;
    QCoreApplication::sendEvent(m_area, &bounded);
    m_forwarding = false;
    event->setAccepted(bounded.isAccepted());
    emit cut(kept.isEmpty());
    return true;
}

bool TextBound::cutSelectionPaste(QMouseEvent *event)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (event->button() != Qt::MiddleButton || !clipboard->supportsSelection())
        return false;
    const QMimeData *data = clipboard->mimeData(QClipboard::Selection);
    if (!data || !data->hasText())
        return false;
    const QString pasted = data->text();
    int position = 0;
    QMetaObject::invokeMethod(m_area, "positionAt", Q_RETURN_ARG(int, position), Q_ARG(qreal, event->localPos().x()),
                              Q_ARG(qreal, event->localPos().y()));
    const QString value = text();
    position = qBound(0, position, value.size());
    const QString kept = fittingInsert(QStringView(value).left(position), pasted, QStringView(value).mid(position),
                                       m_length, m_lineLength);
    if (kept.size() == pasted.size())
        return false;
    // As the area pastes: at the clicked place, the selection given up.
    m_area->setProperty("cursorPosition", position);
    if (!kept.isEmpty())
        insert(position, kept);
    event->accept();
    emit cut(kept.isEmpty());
    return true;
}

QString TextBound::text() const
{
    return m_area->property("text").toString();
}

void TextBound::insert(int position, const QString &text)
{
    QMetaObject::invokeMethod(m_area, "insert", Q_ARG(int, position), Q_ARG(QString, text));
}

} // namespace Client
