#pragma once

#include "gui/controller/abstractcontroller.h"

// A widget-side controller over a ListCatalogue, under the protocol name it is given; its two
// models run under the item model tester.
class RowsController : public Gui::Controller::AbstractController
{
    Q_OBJECT

public:
    explicit RowsController(const QString &name = QStringLiteral("testRows"), QObject *parent = nullptr);

    QString name() const override { return m_name; }

    // An answer name this controller handles: recorded in handled.
    void handle(const QString &action);
    QList<QPair<QString, QVariantMap>> handled;

private:
    QString m_name;
};
