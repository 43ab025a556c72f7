#pragma once

#include <QMessageBox>

namespace Gui {

// A Yes/No question that opens without the operator asking, such as another user's change of a
// record being edited: a key typed for the form must not answer it. No, the answer that keeps
// the operator's work, is its default and Escape button and the only button that takes the
// focus, so Tab, the arrows, Return, Enter and Space in flight keep it; no bare letter answers
// it. Yes takes a click or Alt and its letter. Plain text.
class SafeQuestion : public QMessageBox
{
    Q_OBJECT

public:
    SafeQuestion(QMessageBox::Icon icon, const QString &title, const QString &text, QWidget *parent = nullptr);

signals:
    // Yes was chosen.
    void yes();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace Gui
