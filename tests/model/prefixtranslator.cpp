#include "prefixtranslator.h"

PrefixTranslator::PrefixTranslator(const QString &prefix)
    : m_prefix(prefix)
{
}

QString PrefixTranslator::translate(const char *context, const char *source, const char *, int) const
{
    return QLatin1String(context) == QLatin1String("QObject") ? m_prefix + QString::fromUtf8(source) : QString();
}
