#include "securityoptiontexts.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

SecurityOptionTexts::SecurityOptionTexts(AbstractModel *model)
{
    const QString options = QStringLiteral("security_options");
    model->declareAttached(QStringLiteral("rst_id_sot1"), options, QStringLiteral("rst_id_sot"), QString());
    model->declareAttached(QStringLiteral("so_option_name"), options, QStringLiteral("option_name"),
                           QObject::tr("Name"));
    model->declareAttached(QStringLiteral("so_data_type"), options, QStringLiteral("data_type"), QString());
    model->declareAttached(QStringLiteral("so_option_key_words"), options, QStringLiteral("option_key_words"),
                           QString());
    model->declareAttached(QStringLiteral("so_is_visible"), options, QStringLiteral("is_visible"), QString());
    model->declareAttached(QStringLiteral("so_description"), options, QStringLiteral("description"),
                           QObject::tr("Description"));
}

} // namespace Model::Helper
