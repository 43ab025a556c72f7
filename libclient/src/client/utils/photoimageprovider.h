#pragma once

#include <QPointer>
#include <QQuickImageProvider>

namespace Client {

class ImageProviderWrapper;

// Serves the images of an ImageProviderWrapper to QML Image elements: the base64 text of the
// id, decoded, in the format its bytes tell. An unknown id or undecodable bytes give a null image.
class PhotoImageProvider : public QQuickImageProvider
{
public:
    explicit PhotoImageProvider(ImageProviderWrapper *wrapper);
    ~PhotoImageProvider() override;

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

private:
    QPointer<ImageProviderWrapper> m_wrapper;
};

} // namespace Client
