#pragma once

#include "login.h"
#include "standarddialog.h"

class QPushButton;
class QTableWidgetItem;

namespace Gui {
class TableWidget;
}

namespace Gui::Dialog {

// Edits the list of servers the sign-in dialog offers: name, IP address and port per row, edited
// in place. Ok checks every row; the caller takes servers() afterwards.
class Server : public StandardDialog
{
    Q_OBJECT

public:
    Server(const QList<Login::Host> &hosts, int defaultPort, QWidget *parent = nullptr);
    ~Server() override;

    // The rows from top to bottom; rows without a name, a valid address or a valid port are left out.
    QList<Login::Host> servers() const;
    void addRow(const Login::Host &host);

    TableWidget *table() const;
    QPushButton *addButton() const;
    QPushButton *removeButton() const;
    QPushButton *upButton() const;
    QPushButton *downButton() const;

public slots:
    void accept() override;

private slots:
    void onAdd();
    void onRemove();
    void onUp();
    void onDown();

private:
    void updateButtons();
    void moveRow(bool down);
    QList<QTableWidgetItem *> takeRowItems(int row);
    // What is wrong with a row (empty when it is usable) and the column to correct.
    QString rowError(int row, int *column) const;
    QString cellText(int row, int column) const;

    TableWidget *m_table;
    QPushButton *m_add;
    QPushButton *m_remove;
    QPushButton *m_up;
    QPushButton *m_down;
    int m_defaultPort;
};

} // namespace Gui::Dialog
