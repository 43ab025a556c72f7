#include "photoimageprovider.h"

#include "imageproviderwrapper.h"

namespace Client {

PhotoImageProvider::PhotoImageProvider(ImageProviderWrapper *wrapper)
    : QQuickImageProvider(QQuickImageProvider::Image)
    , m_wrapper(wrapper)
{
}

PhotoImageProvider::~PhotoImageProvider() = default;

QImage PhotoImageProvider::requestImage(const QString &id, QSize *, const QSize &)
{
    const QString text = m_wrapper ? m_wrapper->image(id) : QString();
    return QImage::fromData(QByteArray::fromBase64(text.toUtf8()));
}

} // namespace Client
