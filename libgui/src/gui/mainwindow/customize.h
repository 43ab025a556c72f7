#pragma once

#include "gui/dialog/standarddialog.h"

#include <QStringList>

namespace Client::Controller {
class ToolBar;
}

namespace Gui {
class FaPushButton;
class LineEdit;
class ListView;
class MainToolBar;
}

class QPushButton;

namespace Gui::Dialog {

// Lets the user choose and order the main tool bar's commands: every exported menu and command
// on the left, the tool bar's commands in order on the right, buttons to add, remove and move
// them, and Reset for the application's default list.
class Customize : public StandardDialog
{
    Q_OBJECT

public:
    Customize(const QStringList &commands, const QStringList &defaultCommands);
    ~Customize() override;

    // The chosen command ids, in tool-bar order.
    Q_INVOKABLE QStringList commandIds() const;
    // Fills the tool-bar list again.
    void setCommandIds(const QStringList &ids);
    // When accepted, the tool bar takes the chosen commands.
    void applyTo(MainToolBar *toolBar);

    ListView *availableList() const { return m_availableList; }
    ListView *toolBarList() const { return m_toolBarList; }
    LineEdit *filterEdit() const { return m_filter; }
    FaPushButton *addButton() const { return m_add; }
    FaPushButton *removeButton() const { return m_remove; }
    FaPushButton *upButton() const { return m_up; }
    FaPushButton *downButton() const { return m_down; }
    QPushButton *resetButton() const { return m_reset; }

private slots:
    void onRightClicked();
    void onLeftClicked();
    void onUpClicked();
    void onDownClicked();
    void onResetClicked();

private:
    void fillAvailable();
    void createWidgets();
    void updateButtons();
    // The tool-bar list becomes ids, with row as its current row.
    void showCommands(const QStringList &ids, int row);
    void move(int offset);

    QStringList m_defaultCommands;
    Client::Controller::ToolBar *m_available;
    Client::Controller::ToolBar *m_chosen;
    ListView *m_availableList = nullptr;
    ListView *m_toolBarList = nullptr;
    LineEdit *m_filter = nullptr;
    FaPushButton *m_add = nullptr;
    FaPushButton *m_remove = nullptr;
    FaPushButton *m_up = nullptr;
    FaPushButton *m_down = nullptr;
    QPushButton *m_reset = nullptr;
};

} // namespace Gui::Dialog
