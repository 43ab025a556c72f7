#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QDialog;

// Keeps widget tests from blocking on modal windows. Every message box that opens is recorded
// and closed with its default (or first) button; another modal dialog goes to the next handler
// queued with handleNext(), or is rejected and counted as unexpected. A test is clean when no
// modal window is open and nothing unexpected appeared.
class ModalWatchdog : public QObject
{
    Q_OBJECT

public:
    struct Box
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        Qt::TextFormat format;
        Qt::TextInteractionFlags interaction;
    };

    explicit ModalWatchdog(QObject *parent = nullptr);
    ~ModalWatchdog() override;

    // The handler runs (queued) for the next modal dialog that is not a message box.
    void handleNext(std::function<void(QDialog *)> handler);
    // The button pressed in the next message boxes, in order (default: its default or first button).
    void answerNext(QMessageBox::StandardButton button);
    // Modal windows of this class are left open: they close by themselves (a progress window).
    void allowOpen(const QString &className);
    // The next message box is recorded and left open, for the program to close; leftOpen() is
    // that box while it exists.
    void leaveNextBoxOpen() { m_leaveNextOpen = true; }
    QMessageBox *leftOpen() const { return m_leftOpen; }
    // While on, every message box is recorded and left open as the next one above.
    void leaveBoxesOpen(bool leave) { m_leaveOpen = leave; }

    QList<Box> boxes() const { return m_boxes; }
    QStringList texts() const;
    QList<Box> takeBoxes();
    QStringList unexpected() const { return m_unexpected; }
    // Empty when clean; otherwise what is wrong.
    QString problems() const;
    void reset();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void handle(QPointer<QWidget> widget);
    void closeBox(QMessageBox *box);

    QList<Box> m_boxes;
    QStringList m_unexpected;
    QList<std::function<void(QDialog *)>> m_handlers;
    QList<QMessageBox::StandardButton> m_answers;
    QStringList m_allowed;
    bool m_leaveNextOpen = false;
    bool m_leaveOpen = false;
    QPointer<QMessageBox> m_leftOpen;
};

// Fails the current test function when the watchdog is not clean.
#define VERIFY_NO_MODAL(watchdog) QVERIFY2((watchdog).problems().isEmpty(), qPrintable((watchdog).problems()))
