#pragma once

#include <QHash>
#include <QObject>

#include <memory>
#include <mutex>

namespace Client {

class PhotoImageProvider;

// Holds the images that pages received as base64 text, by id, for the "photo" image provider
// ("image://photo/<id>"). Pages see it as IMAGE_PROVIDER.
class ImageProviderWrapper : public QObject
{
    Q_OBJECT

public:
    ImageProviderWrapper();
    ~ImageProviderWrapper() override;

    Q_INVOKABLE void appendImage(const QString &id, const QString &image);
    Q_INVOKABLE void removeImage(const QString &id);
    Q_INVOKABLE QString image(const QString &id) const;
    Q_INVOKABLE void clearImages();

    // The provider, for QQmlEngine::addImageProvider, which takes it over; null once taken.
    PhotoImageProvider *takeProvider();

private:
    mutable std::mutex m_mutex;
    QHash<QString, QString> m_images;
    std::unique_ptr<PhotoImageProvider> m_provider;
};

} // namespace Client
