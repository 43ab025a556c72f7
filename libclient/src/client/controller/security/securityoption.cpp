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
    const QString valueColumn = QStringLiteral("option_value");
    if (uso_model) {
        // The user's first row of the option decides, but only while it is in use.
        const int row = uso_model->firstRowByText({QStringLiteral("rst_id_owner"), QStringLiteral("rst_id_so")},
                                                  {session->rstIdOwner(), option});
        if (row >= 0) {
            const QVariantMap &value = uso_model->rowValues(row);
            if (value.value(QStringLiteral("is_using")).toString() == QLatin1String("1"))
                return value.value(valueColumn).toString();
        }
    }
    if (ugso_model) {
        const int row = ugso_model->firstRowByText({QStringLiteral("rst_id_group"), QStringLiteral("rst_id_so")},
                                                   {session->rstIdGroup(), option});
        if (row >= 0)
            return ugso_model->rowValues(row).value(valueColumn).toString();
    }
    return QString();
}

void SecurityOption::noWarningMSVC2013()
{
}

} // namespace Client::Controller
