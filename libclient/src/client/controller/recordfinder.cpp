#include "recordfinder.h"

#include <utility>

namespace Client::Controller {

RecordFinder::RecordFinder(const QString &name)
    : m_name(name)
{
    keepAnswersPrivate();
}

RecordFinder::RecordFinder(ItemController *owner)
    : RecordFinder(owner->name())
{
    m_owner = owner;
}

RecordFinder::~RecordFinder() = default;

void RecordFinder::prepareRow(QVariantMap &row)
{
    if (m_owner)
        m_owner->prepareRow(row);
}

void RecordFinder::find(const QVariantMap &params)
{
    m_rows.clear();
    sendNetDto(QStringLiteral("trGetList"), params);
}

void RecordFinder::read(const QVariantMap &params)
{
    m_rows.clear();
    sendNetDto(QStringLiteral("trInfo"), params);
}

bool RecordFinder::handleMessage(const QString &action, const QVariantMap &params)
{
    if (!isOwnAnswer(params))
        return action == QLatin1String("saListInfo") || action == QLatin1String("saGetList")
            || action == QLatin1String("saInfo");
    if (action == QLatin1String("saInfo")) {
        const bool stored = params.value(QStringLiteral("RES")).toString() == QLatin1String("10");
        emit found(stored ? QVariantList{params} : QVariantList{}, params);
        return true;
    }
    if (action == QLatin1String("saListInfo")) {
        m_rows.append(params);
        return true;
    }
    if (action != QLatin1String("saGetList"))
        return false;
    const QString result = params.value(QStringLiteral("RES")).toString();
    if (!result.isEmpty() && result != QLatin1String("10")) {
        m_rows.clear();
        emit found({}, params);
    } else if (params.value(QStringLiteral("STATE")).toString() == QLatin1String("end")) {
        emit found(std::exchange(m_rows, {}), params);
    }
    return true;
}

} // namespace Client::Controller
