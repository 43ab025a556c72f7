#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects what goes to the Qt warning, critical and info channels while it lives.
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

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text);
    static MessageCatcher *s_current;
    QtMessageHandler m_previous = nullptr;
    MessageCatcher *m_outer = nullptr;
};
