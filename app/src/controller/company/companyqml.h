#pragma once

#include "controller/instancerowscontroller.h"
#include "model/orlem/company/company.h"

// The companies as the pages list them ("company"): rows of each instance.
class CompanyQml : public InstanceRowsController<Model::Orlem::Company>
{
    Q_OBJECT

public:
    explicit CompanyQml(QQuickItem *parent = nullptr);
    ~CompanyQml() override;

    QString name() const override;
};
