#pragma once

#include <QHash>
#include <QString>

#include <functional>

namespace Gui {

class Frame;

// The widget frames the shell can open by name (for the frames of a saved GUI session): the
// application registers a creator under each name.
class FrameCreators
{
public:
    using Creator = std::function<Frame *()>;

    void insert(const QString &name, const Creator &creator);
    bool contains(const QString &name) const;
    // A new frame of that name; null, logged, for a name without a creator.
    Frame *create(const QString &name) const;

private:
    QHash<QString, Creator> m_creators;
};

} // namespace Gui
