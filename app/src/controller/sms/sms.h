#pragma once

#include "controller/instancerowscontroller.h"
#include "model/orlem/sms/sms.h"

// The SMS templates ("sms"): rows of each instance.
class Sms : public InstanceRowsController<Model::Orlem::Sms>
{
    Q_OBJECT

public:
    explicit Sms(QQuickItem *parent = nullptr);
    ~Sms() override;

    QString name() const override;
};
