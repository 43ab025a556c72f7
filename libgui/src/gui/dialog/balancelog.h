#pragma once

#include "standarddialog.h"

#include <QVariantMap>

#include <memory>

class QComboBox;
class QFormLayout;
class QLabel;
class QPlainTextEdit;

namespace Client::Controller {
class DesktopController;
class ProxyModel;
class RecordFinder;
}

namespace Gui {
class DoubleEdit;
}

namespace Gui::Dialog {

// One movement on an owner's balance: entered and sent as "trNew" of the balance-log
// controller, or shown read-only. A new entry is sent at most once per press: Ok stays disabled
// until the server has answered this dialog's own request, even after the busy time-out. An
// entry whose answer was lost with the connection may be booked: once the session is open again
// the log is searched for it, and the dialog says whether it was booked before Ok sends again.
class BalanceLog : public StandardDialog
{
    Q_OBJECT

public:
    // A new entry of the owner; the type box lists the types of the group, typeId chosen first.
    BalanceLog(Client::Controller::DesktopController *typeController,
               Client::Controller::DesktopController *logController, qint64 ownerId, qint64 groupId,
               qint64 typeId);
    // The entry of the log controller's list with that id, read-only.
    BalanceLog(Client::Controller::DesktopController *logController, qint64 id);
    ~BalanceLog() override;

    bool isViewMode() const;
    // Whether a request waits for its answer.
    bool isPending() const { return m_pending; }
    // What the dialog says about an entry whose answer was lost; empty when nothing was lost.
    QString notice() const;

public slots:
    // Sends the new entry (new mode) or closes (view mode).
    void accept() override;

protected:
    void busyExpired() override;

private slots:
    void onNewLog(const QVariantMap &answer);
    void onOfflineChanged(bool offline);
    void searchLostEntry();
    void onEntriesFound(const QVariantList &rows, const QVariantMap &answer);

private:
    class Requester;

    void setUpForm();
    void showEntry(Client::Controller::DesktopController *logController, qint64 id);
    void say(const QString &text);

    qint64 m_ownerId = 0;
    QFormLayout *m_form;
    DoubleEdit *m_value;
    QPlainTextEdit *m_note;
    // New mode only: the types of the group, filtered apart from the type controller's own view.
    Client::Controller::ProxyModel *m_types = nullptr;
    QComboBox *m_type = nullptr;
    std::unique_ptr<Requester> m_requester;
    bool m_pending = false;
    // The entry sent last, and the newest stamp read from the server when it was sent: an entry
    // stamped earlier was booked before it (0: none read).
    QVariantMap m_sent;
    qint64 m_seenStamp = 0;
    // Its answer was lost: not known whether it was booked, until the search has answered.
    bool m_unknown = false;
    // Found booked: Ok closes.
    bool m_booked = false;
    std::unique_ptr<Client::Controller::RecordFinder> m_finder;
    QLabel *m_notice = nullptr;
};

} // namespace Gui::Dialog
