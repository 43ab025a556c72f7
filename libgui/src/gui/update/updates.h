#pragma once

#include <QDialog>
#include <QJsonObject>
#include <QPointer>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace Gui {

class Updater;

// The updates the updater found: every offered version with its notes, the channel and size of
// the one to install, and Update, which downloads it with a progress bar. When the running
// version is below the update's base version, Update is off and the installer's link is shown.
class Updates : public QDialog
{
    Q_OBJECT

public:
    Updates(Updater *updater, const QJsonObject &manifest, QWidget *parent = nullptr);
    ~Updates() override;

private slots:
    void onUpdateClicked();
    void onDownloadProgress(qlonglong received, qlonglong total);

private:
    void fill();
    void showBaseVersionGate(const QJsonObject &first);

    QPointer<Updater> m_updater;
    QJsonObject m_manifest;
    QPlainTextEdit *m_text;
    QLabel *m_channel;
    QLabel *m_size;
    QLabel *m_warning;
    QLabel *m_link;
    QProgressBar *m_progress;
    QPushButton *m_update;
    qint64 m_received = 0;
    qint64 m_lastReceived = 0;
};

} // namespace Gui
