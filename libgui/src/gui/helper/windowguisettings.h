#pragma once

#include "guisettings.h"

namespace Gui::Helper {

// The window part of a widget's settings: {"window": {"state", "x", "y", "width", "height"}}.
class WindowGuiSettings : public GuiSettings
{
public:
    explicit WindowGuiSettings(QWidget *widget = nullptr);
    ~WindowGuiSettings() override;

    void loadSettings(const QVariantMap &settings) override;
    QVariantMap saveSettings() const override;
};

} // namespace Gui::Helper
