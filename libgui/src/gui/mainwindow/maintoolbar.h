#pragma once

#include "clockwidget.h"
#include "gui/widget/indicatortoolbutton.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QToolBar>

class QAction;
class QWidget;

namespace Gui {

// The main window's tool bar: one button per chosen command (a menu action exported by the main
// menu, named by its command id), then a gap, the unread-notification indicator and the clock.
// The application gives the default commands; the user's choice is kept in the main window's
// settings.
class MainToolBar : public QObject
{
    Q_OBJECT

public:
    MainToolBar();
    ~MainToolBar() override;

    QToolBar *toolBar() const { return m_toolBar; }
    // Rebuilds the bar; an empty list gives the default commands.
    void setCommandIds(const QStringList &ids);
    // The command ids of the buttons, in order.
    QStringList commandIds() const;
    // The application's commands for a new user.
    virtual QStringList defaultCommandIds() const = 0;

    ClockWidget *clock() const { return m_clock; }
    IndicatorToolButton *indicator() const { return m_indicator; }

protected:
    // Runs at the end of every rebuild.
    virtual void afterBuild();

private:
    void clear();
    void addCommand(const QString &id);
    // The indicator goes in front of the clock's holder.
    void addIndicator(QAction *before);

    // Owned by the window once added; gone with it.
    QPointer<QToolBar> m_toolBar;
    QPointer<QWidget> m_gap;
    QPointer<ClockWidget> m_clock;
    QPointer<IndicatorToolButton> m_indicator;
};

} // namespace Gui
