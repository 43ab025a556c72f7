#include "photoimageprovider.h"

#include "imageproviderwrapper.h"

namespace Client {

PhotoImageProvider::PhotoImageProvider(ImageProviderWrapper *wrapper)
    : QQuickImageProvider(QQuickImageProvider::Image)
    , m_wrapper(wrapper)
{
}

PhotoImageProvider::~PhotoImageProvider() = default;

QImage PhotoImageProvider::requestImage(const QString &id, QSize *size, const QSize &)
{
    const QString text = m_wrapper ? m_wrapper->image(id) : QString();
    const QImage image = QImage::fromData(QByteArray::fromBase64(text.toUtf8()));
    // The engine reads the image's own size from here.
    if (size)
        *size = image.size();
    return image;
}

} // namespace Client
