#pragma once

#include "controller/classwidecontroller.h"
#include "model/orlem/city/city.h"

// The cities ("city"): one list that every page shares.
class City : public ClassWideController<City, Model::Orlem::City>
{
    Q_OBJECT

public:
    explicit City(QQuickItem *parent = nullptr);
    ~City() override;

    QString name() const override;
};
