#pragma once

#include "gui/helper/busy.h"
#include "gui/helper/windowguisettings.h"

#include <QVariantMap>
#include <QWidget>

namespace Gui {

// A widget page of the shell (the company table, the report frames): shown in a tab of the main
// window or in a window of its own, listed among GLOBAL's open frames while it lives, and leaving
// its settings in the current GUI session when it closes.
class Frame : public QWidget, public Helper::WindowGuiSettings, public Helper::Busy
{
    Q_OBJECT

public:
    // Where the frame is shown.
    enum Placement { Window = 0, Tab = 1, NotPlaced = 2 };

    Frame();
    ~Frame() override;

    virtual QString title() const;
    // Hooks around the placing of the frame by the window host.
    virtual void beforeShow();
    // Leaves GLOBAL's open frames and, unless restored from a GUI session, stores the settings.
    virtual void unregisterFrame();
    virtual void afterShow();

    void loadSettings(const QVariantMap &settings) override;
    QVariantMap saveSettings() const override;

    void setTitle(const QString &title);
    void setPlacement(int placement);
    int placement() const { return m_placement; }
    QString state() const { return m_state; }
    void setState(const QString &state) { m_state = state; }
    QVariantMap initProperties() const { return m_properties; }
    void setInitProperties(const QVariantMap &properties) { m_properties = properties; }

    // Brings the frame forward: its tab becomes current, or its window is activated.
    Q_INVOKABLE void activate();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    int m_placement = NotPlaced;
    QString m_title;
    QString m_state;
    QVariantMap m_properties;
};

} // namespace Gui
