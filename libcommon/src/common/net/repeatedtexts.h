#pragma once

#include <QString>
#include <QStringRef>
#include <QVector>

namespace Common {

// Texts that recur at the same place in consecutive messages (the keys of a list's rows, their
// flags and codes) read once: a text equal to the one last read at its place shares its storage.
class RepeatedTexts
{
public:
    QString text(int place, const QStringRef &text);

private:
    QVector<QString> m_last;
};

} // namespace Common
