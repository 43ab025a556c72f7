#include "company.h"

#include "model/orlem/company/company.h"

Company::Company(QObject *parent)
    : Gui::Controller::AbstractController(new Model::Orlem::Company, parent)
{
}

Company::~Company() = default;

QString Company::name() const
{
    return QStringLiteral("company");
}
