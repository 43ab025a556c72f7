#pragma once

#include "standarddialog.h"

class QTabWidget;

namespace Gui::Dialog {

class OptionsPage;

// The client's local preferences: language, scale factor, font size, task-bar grouping, logging
// and the update channel. Scale and font size apply while the dialog is open; Ok stores
// everything, Cancel nothing.
class Options : public StandardDialog
{
    Q_OBJECT

public:
    Options();
    ~Options() override;

    QTabWidget *tabs() const { return m_tabs; }
    OptionsPage *page(int index) const;

public slots:
    void accept() override;

private:
    QTabWidget *m_tabs;
};

} // namespace Gui::Dialog
