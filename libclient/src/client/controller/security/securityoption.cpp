#include "securityoption.h"

#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"
#include "model/tavik/security/securityoption.h"

namespace Client::Controller {

namespace {

using OptionModel = ClassWideModel<SecurityOption, Model::Tavik::SecurityOption>;

} // namespace

SecurityOption::SecurityOption(QQuickItem *parent)
    : DesktopController(parent)
{
    useClassWideModel<SecurityOption, Model::Tavik::SecurityOption>();
}

SecurityOption::~SecurityOption() = default;

QString SecurityOption::name() const
{
    return QStringLiteral("so");
}

bool SecurityOption::isStaticModel() const
{
    return true;
}

QString SecurityOption::effectiveValue4CurrentUser(const QString &so_code, OriginalModel *ugso_model,
                                                   OriginalModel *uso_model)
{
    const OriginalModel *options = OptionModel::existing();
    if (!options)
        return QString();
    const QVariant optionId = options->data(QStringLiteral("code"), so_code, QStringLiteral("id"));
    // A missing option grants nothing, whatever rows lack an option reference.
    if (!optionId.isValid())
        return QString();
    const QString option = optionId.toString();
    const UserSession *session = SpSingleton<UserSession>::instance();
    if (uso_model) {
        const QString owner = session->rstIdOwner();
        for (int row = 0; row < uso_model->rowCount(); ++row) {
            const QVariantMap &value = uso_model->rowValues(row);
            if (value.value(QStringLiteral("rst_id_owner")).toString() != owner
                || value.value(QStringLiteral("rst_id_so")).toString() != option)
                continue;
            if (value.value(QStringLiteral("is_using")).toString() == QLatin1String("1"))
                return value.value(QStringLiteral("option_value")).toString();
            break;
        }
    }
    if (ugso_model) {
        const QString group = session->rstIdGroup();
        for (int row = 0; row < ugso_model->rowCount(); ++row) {
            const QVariantMap &value = ugso_model->rowValues(row);
            if (value.value(QStringLiteral("rst_id_group")).toString() == group
                && value.value(QStringLiteral("rst_id_so")).toString() == option)
                return value.value(QStringLiteral("option_value")).toString();
        }
    }
    return QString();
}

void SecurityOption::noWarningMSVC2013()
{
}

} // namespace Client::Controller
