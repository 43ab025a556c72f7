#include "companyqml.h"

CompanyQml::CompanyQml(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

CompanyQml::~CompanyQml() = default;

QString CompanyQml::name() const
{
    return QStringLiteral("company");
}
