#include "updates.h"

#include "updatemanifest.h"
#include "updater.h"

#include "gui/core/message.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QJsonArray>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace Gui {

namespace {

QLabel *plainLabel(const QString &text = QString())
{
    auto *label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Halves round upward.
qint64 rounded(double value)
{
    return qint64(std::floor(value + 0.5));
}

} // namespace

Updates::Updates(Updater *updater, const QJsonObject &manifest, QWidget *parent)
    : QDialog(parent)
    , m_updater(updater)
    , m_manifest(manifest)
    , m_text(new QPlainTextEdit)
    , m_channel(plainLabel())
    , m_size(plainLabel())
    , m_warning(plainLabel(tr("Updating to this version is impossible!\nDownload installation of application by "
                              "link below, reinstall it and try update again.")))
    , m_link(new QLabel)
    , m_progress(new QProgressBar)
    , m_update(new QPushButton(tr("Update")))
{
    setWindowTitle(tr("Updates"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    m_text->setReadOnly(true);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);

    auto *form = new QFormLayout;
    form->addRow(tr("Channel:"), m_channel);
    form->addRow(tr("Size:"), m_size);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, Qt::Horizontal);
    buttons->addButton(m_update, QDialogButtonBox::ActionRole);
    // The offer may open unasked, after the start-up check: no key typed for another window starts
    // the download. Close is the default, Update takes no focus and no Return; a click or Alt+U.
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    m_update->setAutoDefault(false);
    m_update->setFocusPolicy(Qt::NoFocus);
    m_update->setShortcut(QKeySequence(Qt::ALT | Qt::Key_U));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_update, &QPushButton::clicked, this, &Updates::onUpdateClicked);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(form);
    layout->addWidget(m_warning);
    layout->addWidget(m_link);
    layout->addWidget(m_progress);
    layout->addWidget(buttons);
    resize(800, 500);

    fill();
    if (updater)
        connect(updater, &Updater::downloadProgress, this, &Updates::onDownloadProgress);
}

Updates::~Updates() = default;

void Updates::fill()
{
    const QJsonArray updates = m_manifest.value(QStringLiteral("updates")).toArray();
    if (updates.isEmpty()) {
        m_update->setEnabled(false);
        m_warning->hide();
        m_link->hide();
        return;
    }
    QString text;
    for (const QJsonValue &value : updates) {
        const QJsonObject entry = value.toObject();
        text += tr("Version: %1 (%2) - Date: %3")
                    .arg(entry.value(QStringLiteral("version")).toString(),
                         entry.value(QStringLiteral("channel")).toString(),
                         entry.value(QStringLiteral("date")).toString())
            + QLatin1Char('\n') + entry.value(QStringLiteral("description")).toString() + QStringLiteral("\n\n");
    }
    m_text->setPlainText(text);
    m_text->moveCursor(QTextCursor::Start);

    const QJsonObject first = updates.first().toObject();
    m_channel->setText(first.value(QStringLiteral("channel")).toString());
    m_size->setText(QString::number(rounded(double(UpdateManifest::size(first)) / 1000000)) + QLatin1Char(' ')
                    + tr("MB"));
    showBaseVersionGate(first);
}

void Updates::showBaseVersionGate(const QJsonObject &first)
{
    const QVersionNumber running = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    const QString baseVersion = first.value(QStringLiteral("baseVersion")).toString();
    if (!(running < QVersionNumber::fromString(baseVersion))) {
        m_warning->hide();
        m_link->hide();
        return;
    }
    m_update->setEnabled(false);
    m_warning->setStyleSheet(QStringLiteral("QLabel { color : #ff5858; }"));
    const QString url = m_updater ? m_updater->installerUrl(baseVersion).toHtmlEscaped() : QString();
    m_link->setTextFormat(Qt::RichText);
    m_link->setOpenExternalLinks(true);
    m_link->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(url));
}

void Updates::onUpdateClicked()
{
    if (!m_updater)
        return;
    if (!m_updater->checkWorkDirWritable()) {
        Message::critical(this, tr("Working directory is protected for writting"));
        return;
    }
    m_update->setEnabled(false);
    m_updater->download(m_manifest);
}

void Updates::onDownloadProgress(qlonglong received, qlonglong total)
{
    // Measured against the manifest's size, so a transfer that starts again from 0 goes on.
    m_received += received - m_lastReceived;
    m_lastReceived = received == total ? 0 : received;
    const qint64 size = UpdateManifest::size(m_manifest.value(QStringLiteral("updates")).toArray().at(0).toObject());
    if (size > 0)
        m_progress->setValue(int(qBound<qint64>(0, rounded(double(m_received) / double(size) * 100), 100)));
}

} // namespace Gui
