#include "imageproviderwrapper.h"

#include "photoimageprovider.h"

namespace Client {

ImageProviderWrapper::ImageProviderWrapper()
    : m_provider(std::make_unique<PhotoImageProvider>(this))
{
}

ImageProviderWrapper::~ImageProviderWrapper() = default;

void ImageProviderWrapper::appendImage(const QString &id, const QString &image)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_images.insert(id, image);
}

void ImageProviderWrapper::removeImage(const QString &id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_images.remove(id);
}

QString ImageProviderWrapper::image(const QString &id) const
{
    // Image elements may load in the engine's loader thread.
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_images.value(id);
}

void ImageProviderWrapper::clearImages()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_images.clear();
}

PhotoImageProvider *ImageProviderWrapper::takeProvider()
{
    return m_provider.release();
}

} // namespace Client
