#pragma once

#include <QStringList>
#include <QtGlobal>

#include <atomic>
#include <mutex>

// Collects what goes to the Qt warning, critical and info channels while it lives, from any
// thread. Read the lists directly only while no other thread writes messages; count() always.
class MessageCatcher
{
public:
    MessageCatcher();
    ~MessageCatcher();

    QStringList warnings;
    QStringList criticals;
    QStringList infos;

    void clear();
    // The warnings joined, for failure texts and searches.
    QString allWarnings() const { return warnings.join(QLatin1Char('\n')); }
    // How many messages of any channel contain the fragment.
    int count(const QString &fragment) const;

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text);
    static std::atomic<MessageCatcher *> s_current;
    mutable std::mutex m_mutex;
    QtMessageHandler m_previous = nullptr;
    MessageCatcher *m_outer = nullptr;
};
