#include "photoimageprovider.h"

#include "common/core/logger/logger.h"
#include "imageproviderwrapper.h"

#include <QBuffer>
#include <QImageReader>

namespace Client {

namespace {

// The size to decode at: scaled down, never up, so that it still covers the requested box (a
// requested side of 0 leaves that side free).
QSize decodedSize(const QSize &original, const QSize &requested)
{
    const qreal byWidth = requested.width() > 0 ? qreal(requested.width()) / original.width() : 0;
    const qreal byHeight = requested.height() > 0 ? qreal(requested.height()) / original.height() : 0;
    const qreal ratio = qMax(byWidth, byHeight);
    if (ratio <= 0 || ratio >= 1)
        return original;
    return QSize(qMax(1, qRound(original.width() * ratio)), qMax(1, qRound(original.height() * ratio)));
}

} // namespace

PhotoImageProvider::PhotoImageProvider(ImageProviderWrapper *wrapper)
    : QQuickImageProvider(QQuickImageProvider::Image)
    , m_wrapper(wrapper)
{
}

PhotoImageProvider::~PhotoImageProvider() = default;

QImage PhotoImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    const QString text = m_wrapper ? m_wrapper->image(id) : QString();
    QByteArray bytes = QByteArray::fromBase64(text.toUtf8());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The header tells the size: a small file can declare a picture of gigabytes.
    const QSize original = reader.size();
    if (!original.isValid() || qint64(original.width()) * original.height() > MaxPixels) {
        if (!text.isEmpty()) {
            Logger::instance(0)->warning(QStringLiteral("Photo %1 not shown: %2").arg(id, original.isValid()
                ? QStringLiteral("%1 x %2 pixels is more than %3").arg(original.width()).arg(original.height()).arg(MaxPixels)
                : QStringLiteral("its size cannot be read (%1)").arg(reader.errorString())));
        }
        return QImage();
    }
    const QSize target = decodedSize(original, requestedSize);
    if (target != original)
        reader.setScaledSize(target);
    QImage image;
    if (!reader.read(&image))
        return QImage();
    // The engine reads the image's own size from here.
    if (size)
        *size = original;
    return image;
}

} // namespace Client
