#include "version.h"

Version::Version(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

Version::~Version() = default;

QString Version::name() const
{
    return QStringLiteral("version");
}
