#pragma once

#include "client/controller/desktopcontroller.h"

// A desktop controller over its own rows of a ListCatalogue, with the protocol name it is given;
// optionally sharing one class-wide model, as catalogue controllers do.
class TestController : public Client::Controller::DesktopController
{
    Q_OBJECT

public:
    explicit TestController(const QString &name = QStringLiteral("testRows"), bool classWide = false,
                            QQuickItem *parent = nullptr);

    QString name() const override { return m_name; }

    // Every message runs through this hook before any handler; counted to prove it.
    void prepareRow(QVariantMap &row) override;
    int prepared = 0;

private:
    QString m_name;
};
