#include "usersecurityoption.h"

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
    declareAttached(QStringLiteral("rst_id_sot1"), options, QStringLiteral("rst_id_sot"), QString());
    declareAttached(QStringLiteral("so_option_name"), options, QStringLiteral("option_name"), QObject::tr("Name"));
    declareAttached(QStringLiteral("so_data_type"), options, QStringLiteral("data_type"), QString());
    declareAttached(QStringLiteral("so_option_key_words"), options, QStringLiteral("option_key_words"), QString());
    declareAttached(QStringLiteral("so_is_visible"), options, QStringLiteral("is_visible"), QString());
    declareAttached(QStringLiteral("so_description"), options, QStringLiteral("description"),
                    QObject::tr("Description"));
    addIndex({QStringLiteral("UNIQUE"), QStringLiteral("rst_id_owner"), QStringLiteral("rst_id_so")});
}

UserSecurityOption::~UserSecurityOption() = default;

} // namespace Model::Base
