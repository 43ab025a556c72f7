#pragma once

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

// Records what any thread writes to the Qt message channels while it lives.
class MessageLog
{
public:
    MessageLog();
    ~MessageLog();

    QStringList lines() const;
    int count(const QString &fragment) const;

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text);
    static MessageLog *s_current;
    mutable QMutex m_mutex;
    QStringList m_lines;
    QtMessageHandler m_previous = nullptr;
};
