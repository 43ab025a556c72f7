#pragma once

#include "controller/instancerowscontroller.h"
#include "model/orlem/value/value.h"

// Keyed settings of the platform ("value"): rows of each instance.
class Value : public InstanceRowsController<Model::Orlem::Value>
{
    Q_OBJECT

public:
    explicit Value(QQuickItem *parent = nullptr);
    ~Value() override;

    QString name() const override;
};
