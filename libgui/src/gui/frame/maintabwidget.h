#pragma once

#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QTabWidget>
#include <QVariant>

namespace Gui {

// The tabs of the main window, holding QML pages (in window containers, found through their
// "qmlItem" property) and widget frames. Closing a page's tab lets the page run its own close;
// the current page's table feeds the status bar's row count.
class MainTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    explicit MainTabWidget(QWidget *parent = nullptr);
    ~MainTabWidget() override;

    // The QML item of a tab; null for a widget tab or an index outside the tabs.
    QObject *qmlItem(int index) const;
    // The first tab whose QML item is item; -1 when none.
    int indexOfQmlItem(const QObject *item) const;
    // Removes the tab of a page and deletes its container later; false when no tab holds it.
    bool removeQmlItemTab(const QObject *item);

    // Wires the status bar's row count to the table of a page's table container.
    bool connectTableContainer(QObject *tableContainer);
    // Focus to the current tab; a page's view is activated a moment later.
    void activateCurrentView();

private slots:
    void onTabClose(int index);
    void onTabMoved(int from, int to);
    void onCurrentChanged(int index);
    void removeItemTab();
    void onTableContainerUpdated(QVariant tableContainer);

private:
    void showRowCount(bool visible);
    void dropRowCountWiring();

    QList<QMetaObject::Connection> m_rowCountWiring;
    // The tab shown: another tab removed before it moves its index, not the focus.
    QPointer<QWidget> m_shown;
};

} // namespace Gui
