#pragma once

#include "controller/instancerowscontroller.h"
#include "model/base/version/version.h"

// The version records ("version"): rows of each instance.
class Version : public InstanceRowsController<Model::Base::Version>
{
    Q_OBJECT

public:
    explicit Version(QQuickItem *parent = nullptr);
    ~Version() override;

    QString name() const override;
};
