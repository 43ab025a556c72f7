#pragma once

#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

namespace Gui {

// Modal message boxes of the widget side. Texts are always shown as plain text (server texts
// must not be read as markup); the title is the parent's window title, or the application's
// display name when there is no parent or it has no title.
class Message
{
public:
    static int critical(QWidget *parent, const QString &text);
    static int information(QWidget *parent, const QString &text);
    static int warning(QWidget *parent, const QString &text);
    // Yes and No; returns the button pressed.
    static int question(QWidget *parent, const QString &text);

    static int show(QMessageBox::Icon icon, QWidget *parent, const QString &text,
                    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // The same with a title of the caller's choice.
    static int showTitled(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
                          QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                          QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // A box whose text can be selected and copied, such as an address to open by hand.
    static int showSelectable(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text);
    // That box, not yet shown, for a caller that shows it without waiting.
    static QMessageBox *selectableBox(QMessageBox::Icon icon, QWidget *parent, const QString &title,
                                      const QString &text);

    static QString title(const QWidget *parent);

    // Runs a modal dialog; once it is gone (deleted where deleteAfter), the keys go to the
    // youngest box still open over the window it was opened over, else to that window, as after
    // every box: with no window manager they would go to no one.
    static int exec(QDialog *dialog, bool deleteAfter = false);

private:
    static int run(QMessageBox *box);
};

} // namespace Gui
