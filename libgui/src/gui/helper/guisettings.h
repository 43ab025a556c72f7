#pragma once

#include "abstracthelper.h"

#include <QString>
#include <QVariantMap>

namespace Gui::Helper {

// A widget's settings as one map kept under a settings name in the current GUI session.
class GuiSettings : public AbstractHelper
{
public:
    explicit GuiSettings(QWidget *widget = nullptr);
    ~GuiSettings() override;

    // The owning widget's class name as its meta-object spells it, first letter lower-cased.
    virtual QString settingsName() const;
    virtual void loadSettings(const QVariantMap &settings);
    virtual QVariantMap saveSettings() const;

    // True while the widget is being restored from a saved GUI session.
    bool isGuiSessionMode() const;
    void setGuiSessionMode(bool mode);

    // Loads the settings the current GUI session keeps under settingsName(); false without one.
    bool loadFromGuiSession();
    // Stores saveSettings() in the current GUI session; false without one.
    bool saveToGuiSession() const;

private:
    bool m_guiSessionMode = false;
};

} // namespace Gui::Helper
