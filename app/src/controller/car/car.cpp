#include "car.h"

namespace {

QSharedPointer<Model::AbstractModel> carCatalogue()
{
    auto catalogue = QSharedPointer<Model::Base::Car>::create();
    catalogue->renameField(QStringLiteral("model"), QStringLiteral("car_model"));
    return catalogue;
}

} // namespace

Car::Car(QQuickItem *parent)
    : InstanceRowsController(parent, carCatalogue())
{
}

Car::~Car() = default;

QString Car::name() const
{
    return QStringLiteral("car");
}

void Car::prepareRow(QVariantMap &row)
{
    const QVariant model = row[QStringLiteral("model")];
    row.insert(QStringLiteral("car_model"), model);
    const QVariant id = row[QStringLiteral("id")];
    const bool selected = id == row[QStringLiteral("rst_id_car_selected")];
    row.insert(QStringLiteral("is_selected"), selected ? QStringLiteral("1") : QStringLiteral("0"));
}
