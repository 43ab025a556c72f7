#include "openedurls.h"

#include <QDesktopServices>

OpenedUrls::OpenedUrls(const QString &scheme)
    : m_scheme(scheme)
{
    QDesktopServices::setUrlHandler(scheme, this, "open");
}

OpenedUrls::~OpenedUrls()
{
    QDesktopServices::unsetUrlHandler(m_scheme);
}

void OpenedUrls::open(const QUrl &url)
{
    urls.append(url);
}
