#include "dataloading.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace Gui {

DataLoading::DataLoading()
    : m_waitingLabel(new QLabel(tr("Waiting data from server...")))
    , m_loadingLabel(new QLabel(tr("Data loading")))
    , m_progressBar(new QProgressBar)
{
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::SplashScreen);
    setFrameShape(QFrame::Box);
    setAttribute(Qt::WA_DeleteOnClose);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_loadingLabel->setVisible(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_waitingLabel);
    layout->addWidget(m_loadingLabel);
    layout->addWidget(m_progressBar);
    adjustSize();
    resize(600, height());
}

DataLoading::~DataLoading() = default;

bool DataLoading::isWaiting() const
{
    return !m_waitingLabel->isHidden();
}

void DataLoading::setValue(int value)
{
    m_progressBar->setValue(value);
    if (value != 0 && m_loadingLabel->isHidden()) {
        m_waitingLabel->setVisible(false);
        m_loadingLabel->setVisible(true);
    }
}

void DataLoading::destroy()
{
    close();
}

} // namespace Gui
