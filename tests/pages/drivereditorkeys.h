#pragma once

#include <QByteArray>
#include <QKeySequence>
#include <QPoint>
#include <QPointer>
#include <QString>

class ModalWatchdog;
class PageProgram;
class QMessageBox;
class QObject;
class QQuickItem;
class QWindow;

// A driver's editor in a window of its own, and the keys, clicks and windows an operator uses on
// it (xcb on Xvfb): shared by the key tests.

extern const QString DriverEditorUrl;

// A driver's editor as the operator finds it: the focus given back to Last name (used last),
// the inner note loaded and scrolled into view. Empty when it did not open.
struct NoteEditor
{
    QPointer<QObject> editor;
    QQuickItem *lastName = nullptr;
    QQuickItem *note = nullptr;
    QQuickItem *area = nullptr;
    QWindow *window = nullptr;
};
NoteEditor openAtNote(PageProgram &program, const QString &id);

// Return saves; held, its answer comes only once the page has dimmed, as from a slow server.
// False when the save was not sent or not answered.
bool saveWithReturn(PageProgram &program, const NoteEditor &opened, bool held);

// A column of the driver as stored.
QString storedDriver(PageProgram &program, const QString &id, const QString &column);

// Another user's (or with author "1" the system's) change of the driver's system note, stored and
// pushed as the server does.
void pushDriverChange(PageProgram &program, const QString &id, const QString &author, const QString &sign);

// The box the watchdog was told to leave open, once it is shown and active; null when not.
QMessageBox *shownQuestion(ModalWatchdog &watchdog);

// Waits until the answers to every request the program has sent so far have reached it: the
// answer to a request sent after them comes after theirs. False when it did not come.
bool answersLanded();

QString textOf(QObject *field);

// A key pressed and released in a window that may go on the press (a dialog it answers).
void keyClickClosing(QWindow *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

void type(QWindow *window, const QByteArray &letters);

// The first chord of the key sequence pressed and released.
void press(QWindow *window, const QKeySequence &key);

// Makes the window active, as a click on it or the window system does; false when it is not.
bool activate(QWindow *window);

// The point in the window of the character at position of a text area, inside its glyph.
QPoint charPoint(QQuickItem *area, int position);

// The text position a press at point of the window lands on in a text area.
int positionAt(QQuickItem *area, QPoint point);
