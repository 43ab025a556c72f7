#include "sms.h"

#include <QObject>

namespace Model::Base {

Sms::Sms()
{
    declareColumn(QStringLiteral("name"), SQL_TEXT, false, QVariant(), QObject::tr("Name"));
    declareColumn(QStringLiteral("code"), SQL_TEXT, true, QVariant(), QObject::tr("Code"), NON_UPDATABLE);
    declareColumn(QStringLiteral("use"), SQL_INTEGER, true, 1, QObject::tr("Use"));
}

Sms::~Sms() = default;

QString Sms::tableName() const
{
    return QStringLiteral("sms");
}

} // namespace Model::Base
