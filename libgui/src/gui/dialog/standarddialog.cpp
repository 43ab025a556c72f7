#include "standarddialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace Gui::Dialog {

StandardDialog::StandardDialog(QWidget *parent)
    : QDialog(parent)
    , Helper::Busy(this)
    , Helper::GuiSettings(this)
    , m_layout(new QVBoxLayout)
    , m_buttonBox(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal))
{
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &StandardDialog::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &StandardDialog::reject);
    connect(this, &QDialog::finished, this, &StandardDialog::onFinished);
    m_layout->addWidget(m_buttonBox);
    setLayout(m_layout);
    setAttribute(Qt::WA_DeleteOnClose);
}

StandardDialog::~StandardDialog() = default;

void StandardDialog::setWidth(int width)
{
    resize(width, sizeHint().height());
}

void StandardDialog::insertLayout(QLayout *layout, bool stretchAfter)
{
    addStretchAfterContent(stretchAfter);
    m_layout->insertLayout(0, layout);
}

void StandardDialog::insertWidget(QWidget *widget, bool stretchAfter)
{
    addStretchAfterContent(stretchAfter);
    m_layout->insertWidget(0, widget);
}

void StandardDialog::insertWidgetStretched(QWidget *widget, int stretch)
{
    m_layout->insertWidget(0, widget, stretch);
}

void StandardDialog::addStretchAfterContent(bool stretchAfter)
{
    if (stretchAfter)
        m_layout->insertStretch(0);
}

void StandardDialog::setOkEnabled(bool enabled)
{
    okButton()->setEnabled(enabled);
}

void StandardDialog::setDeleteOnClose(bool deleteOnClose)
{
    setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
}

QDialogButtonBox *StandardDialog::buttonBox() const
{
    return m_buttonBox;
}

QPushButton *StandardDialog::okButton() const
{
    return m_buttonBox->button(QDialogButtonBox::Ok);
}

void StandardDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    focusFirstField();
    loadFromGuiSession();
}

// The button box is made before the content, so it comes first in the focus chain: without a
// focus widget of its own the dialog would start on Ok. Start on the first field instead.
void StandardDialog::focusFirstField()
{
    if (focusWidget())
        return;
    const QList<QAbstractButton *> buttons = m_buttonBox->buttons();
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && !buttons.contains(qobject_cast<QAbstractButton *>(w))) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void StandardDialog::onFinished()
{
    saveToGuiSession();
}

} // namespace Gui::Dialog
