#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

namespace Gui {

class BooleanLabel;
class HostLabel;

// Fills the main window's status bar: the server and its connection state, the user, and the row
// count of the current table (red when the list was cut at its row limit).
class MainStatusBar : public QObject
{
    Q_OBJECT

public:
    explicit MainStatusBar(QStatusBar *statusBar, QObject *parent = nullptr);
    ~MainStatusBar() override;

    // Adds the widgets; the network object must already know host, port and user.
    void build();
    void setRowCountVisible(bool visible);

    QStatusBar *statusBar() const;
    HostLabel *hostLabel() const;
    BooleanLabel *rowCountLabel() const;

public slots:
    void setRowCount(int rowCount);
    void setRowLimit(int rowLimit);

protected:
    // Subclasses add their own widgets between the user and the row count.
    virtual void addCustomWidgets();

private:
    void refreshRowCount();

    QStatusBar *m_statusBar;
    HostLabel *m_hostLabel = nullptr;
    QLabel *m_rowCountCaption = nullptr;
    BooleanLabel *m_rowCount = nullptr;
    int m_rowCountValue = 0;
    int m_rowLimit = 0;
};

} // namespace Gui
