#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

// While it lives, the URLs of one scheme that QDesktopServices is asked to open are recorded
// here instead of reaching the desktop.
class OpenedUrls : public QObject
{
    Q_OBJECT

public:
    explicit OpenedUrls(const QString &scheme);
    ~OpenedUrls() override;

    QList<QUrl> urls;

public slots:
    void open(const QUrl &url);

private:
    QString m_scheme;
};
