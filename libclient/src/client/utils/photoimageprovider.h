#pragma once

#include <QPointer>
#include <QQuickImageProvider>

namespace Client {

class ImageProviderWrapper;

// Serves the images of an ImageProviderWrapper to QML Image elements: the base64 text of the
// id, decoded, in the format its bytes tell, scaled down to cover the size asked for. An unknown
// id, undecodable bytes, or a picture of more than MaxPixels give a null image.
class PhotoImageProvider : public QQuickImageProvider
{
public:
    // 8192 x 8192: the largest phone photos fit, while a picture that would take gigabytes
    // once decoded is refused from its header.
    static constexpr qint64 MaxPixels = qint64(8192) * 8192;

    explicit PhotoImageProvider(ImageProviderWrapper *wrapper);
    ~PhotoImageProvider() override;

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

private:
    QPointer<ImageProviderWrapper> m_wrapper;
};

} // namespace Client
