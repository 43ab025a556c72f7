#include "modalwatchdog.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

#include <utility>

ModalWatchdog::ModalWatchdog(QObject *parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

ModalWatchdog::~ModalWatchdog()
{
    qApp->removeEventFilter(this);
}

void ModalWatchdog::allowOpen(const QString &className)
{
    m_allowed.append(className);
}

void ModalWatchdog::handleNext(std::function<void(QDialog *)> handler)
{
    m_handlers.append(std::move(handler));
}

void ModalWatchdog::answerNext(QMessageBox::StandardButton button)
{
    m_answers.append(button);
}

QStringList ModalWatchdog::texts() const
{
    QStringList result;
    for (const Box &box : m_boxes)
        result.append(box.text);
    return result;
}

QList<ModalWatchdog::Box> ModalWatchdog::takeBoxes()
{
    QList<Box> result;
    result.swap(m_boxes);
    return result;
}

QString ModalWatchdog::problems() const
{
    QStringList result;
    if (QWidget *open = QApplication::activeModalWidget())
        result.append(QStringLiteral("a modal window is still open: %1 \"%2\"")
                          .arg(QLatin1String(open->metaObject()->className()), open->windowTitle()));
    for (const QString &name : m_unexpected)
        result.append(QStringLiteral("unexpected modal dialog: ") + name);
    if (!m_handlers.isEmpty())
        result.append(QStringLiteral("%1 dialog handler(s) never used").arg(m_handlers.size()));
    return result.join(QLatin1String("; "));
}

void ModalWatchdog::reset()
{
    m_boxes.clear();
    m_unexpected.clear();
    m_handlers.clear();
    m_answers.clear();
    m_leaveNextOpen = false;
    m_leaveOpen = false;
}

bool ModalWatchdog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->isWindow() && widget->isModal()) {
            QPointer<QWidget> guard(widget);
            QTimer::singleShot(0, this, [this, guard] { handle(guard); });
        }
    }
    return QObject::eventFilter(watched, event);
}

void ModalWatchdog::handle(QPointer<QWidget> widget)
{
    if (!widget || !widget->isVisible() || m_allowed.contains(QLatin1String(widget->metaObject()->className())))
        return;
    if (auto *box = qobject_cast<QMessageBox *>(widget)) {
        closeBox(box);
        return;
    }
    auto *dialog = qobject_cast<QDialog *>(widget);
    if (dialog && !m_handlers.isEmpty()) {
        m_handlers.takeFirst()(dialog);
        return;
    }
    m_unexpected.append(QStringLiteral("%1 \"%2\"").arg(QLatin1String(widget->metaObject()->className()),
                                                         widget->windowTitle()));
    if (dialog)
        dialog->reject();
    else
        widget->close();
}

void ModalWatchdog::closeBox(QMessageBox *box)
{
    m_boxes.append({box->icon(), box->windowTitle(), box->text(), box->textFormat(), box->textInteractionFlags()});
    if (std::exchange(m_leaveNextOpen, false) || m_leaveOpen) {
        m_leftOpen = box;
        return;
    }
    QAbstractButton *button = nullptr;
    if (!m_answers.isEmpty())
        button = box->button(m_answers.takeFirst());
    if (!button)
        button = box->defaultButton();
    if (!button && !box->buttons().isEmpty())
        button = box->buttons().first();
    if (button)
        button->click();
    else
        box->done(QMessageBox::NoButton);
}
