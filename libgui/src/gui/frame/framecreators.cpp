#include "framecreators.h"

#include <QDebug>

namespace Gui {

void FrameCreators::insert(const QString &name, const Creator &creator)
{
    m_creators.insert(name, creator);
}

bool FrameCreators::contains(const QString &name) const
{
    return m_creators.contains(name);
}

Frame *FrameCreators::create(const QString &name) const
{
    const auto creator = m_creators.constFind(name);
    if (creator == m_creators.cend() || !creator.value()) {
        qCritical().noquote() << "Frame creator not found for name" << name;
        return nullptr;
    }
    return creator.value()();
}

} // namespace Gui
