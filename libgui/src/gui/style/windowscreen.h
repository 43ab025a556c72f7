#pragma once

#include <QHash>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QtQml/qqml.h>

class QScreen;
class QWindow;

namespace Gui {

class WindowScreenAttached;

// The height of the screen one window is on, for the kit's controls, which size themselves from
// it: one object per window, made on the first ask as a child of the window, follows the window
// to another screen (QWindow::screenChanged) and that screen's geometry, and every control of
// the window reads it through its WindowScreenAttached. So a control costs one connection to
// this object and none to the window or the screen, and closing one costs the same however many
// are open. A further object follows the primary screen, for controls in no window.
// QML: `WindowScreen.height` in any item of the kit (import Koriv.Gui 1.0).
class WindowScreen : public QObject
{
    Q_OBJECT

public:
    ~WindowScreen() override;

    // The object of window, or of the primary screen for none. Constant time.
    static WindowScreen *of(QWindow *window);
    static WindowScreenAttached *qmlAttachedProperties(QObject *object);
    // Makes WindowScreen known to QML engines; to be called before the kit's files load.
    static void registerQmlType();

    // The screen's height in device-independent pixels, 0 without a screen.
    int height() const { return m_height; }

signals:
    void heightChanged();

private:
    explicit WindowScreen(QWindow *window, QObject *parent);

    void setScreen(QScreen *screen);
    void updateHeight();

    static QHash<const QWindow *, WindowScreen *> &byWindow();

    const QWindow *m_window;
    QPointer<QScreen> m_screen;
    QMetaObject::Connection m_geometry;
    int m_height = 0;
};

} // namespace Gui

QML_DECLARE_TYPEINFO(Gui::WindowScreen, QML_HAS_ATTACHED_PROPERTIES)
