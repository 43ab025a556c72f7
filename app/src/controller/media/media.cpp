#include "media.h"

Media::Media(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

Media::~Media() = default;

QString Media::name() const
{
    return QStringLiteral("media");
}
