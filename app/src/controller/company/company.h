#pragma once

#include "gui/controller/abstractcontroller.h"

// The companies of the widget company table ("company"): the shell's widget-side controller
// over the company catalogue, its own rows and view.
class Company : public Gui::Controller::AbstractController
{
    Q_OBJECT

public:
    explicit Company(QObject *parent = nullptr);
    ~Company() override;

    QString name() const override;
};
