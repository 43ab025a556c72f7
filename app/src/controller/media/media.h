#pragma once

#include "controller/instancerowscontroller.h"
#include "model/base/media/media.h"

// Photos and other media of drivers and cars ("media"): rows of each instance.
class Media : public InstanceRowsController<Model::Base::Media>
{
    Q_OBJECT

public:
    explicit Media(QQuickItem *parent = nullptr);
    ~Media() override;

    QString name() const override;
};
