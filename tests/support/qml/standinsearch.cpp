#include "standinsearch.h"

StandinSearch::StandinSearch(const QJsonArray &rules, QObject *parent)
    : StandinObject(parent)
    , m_rules(rules)
{
}

void StandinSearch::close()
{
    emit closed();
    deleteLater();
}
