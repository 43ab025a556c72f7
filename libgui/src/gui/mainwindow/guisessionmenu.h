#pragma once

#include <QMenu>
#include <QPointer>
#include <QVariantMap>

class QActionGroup;

namespace Gui::Private {

// The "Gui Sessions" submenu of the File menu: one checkable item per saved GUI session of the
// user (checked for the default one), "New" to create one and "Save" to store the current one.
// It follows the user's GUI-session list held by GLOBAL.
class GuiSessionMenu : public QMenu
{
    Q_OBJECT

public:
    explicit GuiSessionMenu(QWidget *parent = nullptr);
    ~GuiSessionMenu() override;

    // The group of the session items; null until the first rebuild.
    QActionGroup *actionGroup() const { return m_group; }
    // Checks or unchecks the item of a list row; nothing for a row without an item.
    void setSessionChecked(int row, bool checked);

public slots:
    // Builds the items again from the list.
    void recreate();
    // A session row changed on the server: its item takes the new name.
    void reupdate(QVariantMap params);

private:
    void onSaNew(const QVariantMap &params);

    QPointer<QActionGroup> m_group;
};

} // namespace Gui::Private
