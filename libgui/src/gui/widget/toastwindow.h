#pragma once

#include <QWidget>

class QPropertyAnimation;

namespace Gui {

// A short coloured notice in the lower right corner of a window (green for success, red for an
// error): fades in over half a second and removes itself 2.5 s after it was made; a long path in
// it wraps at its separators. It never takes the focus or the input of the window it stands over.
class ToastWindow : public QWidget
{
    Q_OBJECT

public:
    // Mode 0 is the green notice, any other the red one.
    ToastWindow(const QString &message, int mode);
    ~ToastWindow() override;

    // Shows a toast over widget's window (or the main window), above the toasts already shown.
    static ToastWindow *showToast(const QString &message, QWidget *widget = nullptr, int mode = 0);

    int mode() const { return m_mode; }
    QString message() const;

signals:
    void finished();

private:
    QPropertyAnimation *m_animation;
    int m_mode;
    QString m_message;
};

} // namespace Gui
