#include "usersecurityoption.h"

#include "model/helper/securityoptiontexts.h"

#include <QObject>

namespace Model::Base {

UserSecurityOption::UserSecurityOption()
{
    const QString options = QStringLiteral("security_options");
    declareReference(QStringLiteral("rst_id_owner"), QStringLiteral("users"), QString());
    declareReference(QStringLiteral("rst_id_so"), options, QString());
    declareColumn(QStringLiteral("option_value"), SQL_TEXT, true, QStringLiteral("n/a"), QObject::tr("Value"));
    declareColumn(QStringLiteral("is_using"), SQL_INTEGER, true, 0, QObject::tr("Is using"));
    declareDisplay(QStringLiteral("option_value_string"), QString());
    declareDisplay(QStringLiteral("is_using_string"), QString());
    const Helper::SecurityOptionTexts texts(this);
    addIndex({QStringLiteral("UNIQUE"), QStringLiteral("rst_id_owner"), QStringLiteral("rst_id_so")});
}

UserSecurityOption::~UserSecurityOption() = default;

} // namespace Model::Base
