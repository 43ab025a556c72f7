#include "cardgroup.h"

#include <QObject>

namespace Model::Tavik {

CardGroup::CardGroup()
    : Balance(this)
{
    declareColumn(QStringLiteral("serie"), SQL_TEXT, true, QStringLiteral("n/a"), QObject::tr("Serie"));
    declareColumn(QStringLiteral("description"), SQL_TEXT, false, QVariant(), QObject::tr("Description"));
    declareReference(QStringLiteral("rst_id_company"), QStringLiteral("companies"), QObject::tr("Company"));
    declareAttached(QStringLiteral("company_name"), QStringLiteral("companies"), QStringLiteral("company_name"),
                    QObject::tr("Company"));
    addIndex({QStringLiteral("serie")});
}

} // namespace Model::Tavik
