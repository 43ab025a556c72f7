#pragma once

#include <QString>

class QImage;

// The image as a PNG in base64 text, as photo and media rows hold it.
QString pngBase64(const QImage &image);
