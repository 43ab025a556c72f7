#pragma once

#include "client/controller/desktopcontroller.h"

namespace Client::Controller {

// The searchable fields of the extended search; a list of the client alone.
class Search : public DesktopController
{
    Q_OBJECT

public:
    explicit Search(QQuickItem *parent = nullptr);
    ~Search() override;

    QString name() const override;
};

} // namespace Client::Controller
