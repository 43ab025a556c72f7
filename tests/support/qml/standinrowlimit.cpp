#include "standinrowlimit.h"

StandinRowLimit::StandinRowLimit(int limit, QObject *parent)
    : StandinDialog(QStringLiteral("rowLimit"), parent)
    , m_limit(limit)
{
}
