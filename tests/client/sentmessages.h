#pragma once

#include <QSignalSpy>
#include <QStringList>
#include <QVariantMap>

namespace Common {
class ApiNetwork;
}

// Records the text messages that controllers ask a network to send, as their maps.
class SentMessages
{
public:
    explicit SentMessages(Common::ApiNetwork *network);

    QList<QVariantMap> maps() const;
    // The "FN" of each message, in order.
    QStringList names() const;
    int count() const { return m_spy.count(); }
    void clear() { m_spy.clear(); }

private:
    QSignalSpy m_spy;
};
