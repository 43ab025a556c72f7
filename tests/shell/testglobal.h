#pragma once

#include "gui/frame/framecreators.h"
#include "gui/shell/global.h"

#include <QList>
#include <QVariantMap>

#include <functional>

// GLOBAL as the application makes it, for tests: a notification controller of its own, the
// stages of loadControllers recorded, and hooks a test sets for the shared catalogues.
class TestGlobal : public Gui::Global
{
    Q_OBJECT

public:
    explicit TestGlobal(QObject *parent = nullptr);
    ~TestGlobal() override;

    Client::Controller::Notification *notification() override;
    void createControllers() override;
    void loadControllers(int stage, const QVariantMap &params) override;

    // Runs in createControllers (the application creates and registers its catalogues there).
    std::function<void(TestGlobal *)> onCreateControllers;
    // Runs in loadControllers with stage 0.
    std::function<void(TestGlobal *)> onFirstLoad;
    QList<int> stages;

private:
    Client::Controller::Notification *m_notification;
};
