#pragma once

#include <QString>
#include <QVector>

namespace Model::Tavik {

// Every kind of record whose rights are managed: controller names and report names, each with
// the display text of its security option group.
class ControllerNames
{
public:
    struct Entry
    {
        const char *key;
        // Source text of the "QObject" translation context.
        const char *text;
    };

    ControllerNames() = delete;

    static const QVector<Entry> &entries();
    // The display text translated now.
    static QString displayText(const Entry &entry);
};

} // namespace Model::Tavik
