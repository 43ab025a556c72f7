#include "repeatedtexts.h"

namespace Common {

QString RepeatedTexts::text(int place, const QStringRef &text)
{
    if (place >= m_last.size())
        m_last.resize(place + 1);
    QString &last = m_last[place];
    if (last != text)
        last = text.toString();
    return last;
}

} // namespace Common
