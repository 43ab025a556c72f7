#include "mainstatusbar.h"

#include "booleanlabel.h"
#include "common/net/abstractcontroller.h"
#include "common/net/apinetwork.h"
#include "hostlabel.h"

#include <QLabel>
#include <QStatusBar>

namespace Gui {

MainStatusBar::MainStatusBar(QStatusBar *statusBar, QObject *parent)
    : QObject(parent)
    , m_statusBar(statusBar)
{
}

MainStatusBar::~MainStatusBar() = default;

void MainStatusBar::build()
{
    Common::ApiNetwork *net = Common::AbstractController::network();
    m_statusBar->addWidget(new QLabel(tr("User server:")));
    m_hostLabel = new HostLabel(net ? net->host() : QString(), net ? net->port() : 0);
    // The host and the user's sign are data: drawn as they are, whatever markup they hold.
    m_hostLabel->setTextFormat(Qt::PlainText);
    m_statusBar->addWidget(m_hostLabel);
    if (net) {
        m_hostLabel->setConnected(true);
        connect(net, &Common::Network::connectionState, m_hostLabel, &HostLabel::setConnected);
    }
    auto *user = new QLabel(tr("user: %1").arg(net ? net->sign() : QString()));
    user->setTextFormat(Qt::PlainText);
    m_statusBar->addWidget(user);
    addCustomWidgets();
    m_statusBar->addWidget(new QWidget, 1);
    m_rowCountCaption = new QLabel(tr("Row count:"));
    m_rowCount = new BooleanLabel;
    m_statusBar->addWidget(m_rowCountCaption);
    m_statusBar->addWidget(m_rowCount);
    setRowCountVisible(false);
    refreshRowCount();
}

void MainStatusBar::addCustomWidgets()
{
}

void MainStatusBar::setRowCountVisible(bool visible)
{
    if (!m_rowCount)
        return;
    m_rowCountCaption->setVisible(visible);
    m_rowCount->setVisible(visible);
}

QStatusBar *MainStatusBar::statusBar() const
{
    return m_statusBar;
}

HostLabel *MainStatusBar::hostLabel() const
{
    return m_hostLabel;
}

BooleanLabel *MainStatusBar::rowCountLabel() const
{
    return m_rowCount;
}

void MainStatusBar::setRowCount(int rowCount)
{
    m_rowCountValue = rowCount;
    refreshRowCount();
}

void MainStatusBar::setRowLimit(int rowLimit)
{
    m_rowLimit = rowLimit;
    refreshRowCount();
}

void MainStatusBar::refreshRowCount()
{
    if (!m_rowCount)
        return;
    m_rowCount->setText(QString::number(m_rowCountValue));
    m_rowCount->setValue(!(m_rowLimit != 0 && m_rowCountValue >= m_rowLimit));
}

} // namespace Gui
