#pragma once

#include "itemcontroller.h"

#include <QTimer>

#include <memory>
#include <optional>

namespace Client::Controller {

class RecordFinder;

// Base of the controllers that edit platform records: sends the edits and locks, keeps the
// OriginalModel current from their answers, reloads incrementally on the server's change pushes
// and on a timer, and lets a list request go out only with the user's read right. A refused list
// stops the timer's reloads until a list asked for otherwise succeeds, so that a refusal is
// said once.
class DesktopController : public ItemController
{
    Q_OBJECT
    Q_PROPERTY(bool autoUpdate READ autoUpdate WRITE setAutoUpdate NOTIFY autoUpdateChanged)
    Q_PROPERTY(int autoUpdateInterval READ autoUpdateInterval WRITE setAutoUpdateInterval NOTIFY autoUpdateIntervalChanged)

public:
    explicit DesktopController(QQuickItem *parent = nullptr);
    ~DesktopController() override;

    bool autoUpdate() const { return m_autoUpdate; }
    int autoUpdateInterval() const { return m_autoUpdateInterval; }

    using ItemController::trGetList;
    // Checks the read right unless check_so is true; false when the request was not sent.
    bool trGetList(const QVariantMap &params, bool check_so) override;
    Q_INVOKABLE void trNew(const QVariantMap &params);
    Q_INVOKABLE void trUpdate(const QVariantMap &params);
    Q_INVOKABLE void trRemove(const QVariantMap &params);
    Q_INVOKABLE void trDuplicate(const QVariantMap &params);
    Q_INVOKABLE void trLock(const QVariantMap &params);
    Q_INVOKABLE void trUnlock(const QVariantMap &params);
    Q_INVOKABLE void insertParam4trGetList(const QString &key, const QVariant &value);
    // Whether the signed-in user's value of "<name>.crud.read" is "1".
    bool hasReadRight() const;
    // The last edit (trNew, trUpdate, trRemove, trDuplicate) sent that has no own answer yet:
    // "action", "params", "sentAt" (the system's milliseconds since the epoch), "seenStamp" (the
    // newest dt_utc_last_update the program had read then, where it had read one: a record stamped
    // earlier was stored before the send), "seenIds" (the ids of the records of this name read with
    // that stamp, by the list or by a search),
    // "announced"
    // (record id -> author id of the inserts pushed since the send) and, once the connection was
    // lost while it waited, "aliveUntil" (the same clock: when the server was last heard from, so
    // no push can have come later; missing when not known); empty when every edit was answered. A
    // lost connection leaves its outcome unknown.
    Q_INVOKABLE QVariantMap unansweredEdit() const { return m_unansweredEdit; }
    // The newest dt_utc_last_update the program has read from the server (ApiNetwork::newestStamp).
    static qint64 newestStampSeen();
    Q_INVOKABLE void forgetUnansweredEdit() { m_unansweredEdit.clear(); }
    // Looks for records with a list request whose rows reach only recordsFound.
    Q_INVOKABLE void findRecords(const QVariantMap &params);
    // Reads one record ("id") as its editor does, credentials included; the record, or none,
    // reaches only recordsFound.
    Q_INVOKABLE void readRecord(const QVariantMap &params);

    bool handleMessage(const QString &action, const QVariantMap &params) override;
    void onSaGetList(const QVariantMap &mapParams) override;

    virtual void onSaNew(const QVariantMap &mapParams);
    virtual void onSaUpdate(const QVariantMap &mapParams);
    virtual void onSaRemove(const QVariantMap &mapParams);
    virtual void onSaDuplicate(const QVariantMap &mapParams);
    virtual void onSaLock(const QVariantMap &mapParams);
    virtual void onSaUnlock(const QVariantMap &mapParams);

public slots:
    void setAutoUpdate(bool autoUpdate);
    // Seconds; values below 1 run the timer once a second.
    void setAutoUpdateInterval(int autoUpdateInterval);
    virtual void onAutoUpdateTimerTimeout();

signals:
    void currentIdChanged(QString currentId);
    void beginRemove(int row);
    void saLock(QVariantMap mapParams);
    void saUnlock(QVariantMap mapParams);
    void saNew(QVariantMap mapParams);
    void saRemove(QVariantMap mapParams);
    void saDuplicate(QVariantMap mapParams);
    void saUpdate(QVariantMap mapParams);
    void srUpdated(QVariantMap mapParams);
    void srInserted(QVariantMap mapParams);
    // The rows findRecords found; on a refusal none, and answer holds its "RES" "0".
    void recordsFound(QVariantList rows, QVariantMap answer);
    void autoUpdateChanged(bool autoUpdate);
    void autoUpdateIntervalChanged(int autoUpdateInterval);

private slots:
    void onCurrentIdChanged(QString currentId);

private:
    // The remembered list parameters asking for the records changed since the newest one held.
    QVariantMap incrementalParams() const;
    void onPush(const QVariantMap &params, bool ignored, void (DesktopController::*signal)(QVariantMap));
    // The changes since the newest row held, into a list that follows pushes; false when nothing
    // was sent.
    bool reloadChanges();
    // From the first list or edit on: the loss of the connection is noted on the edit that waits,
    // and every session opened again asks for what the list missed: the changes since the time up
    // to which it is complete, or the whole list where no answer ended.
    void followConnection();
    // aliveUntil: UserSession::aliveUntil.
    void onConnectionLost(bool offline, qint64 aliveUntil);
    void onSessionOpened(const QVariantMap &params);
    // Keeps the time up to which the list is complete from its own answers' starts and ends.
    void followListAnswer(const QVariantMap &mapParams);
    void noteInsertPush(const QVariantMap &params);
    RecordFinder *finder();
    // Sets "rst_id_user_locked" of the answer's record when the lock answer is a success.
    void applyLockAnswer(const QVariantMap &mapParams, const QVariant &lockHolder);
    void sendEdit(const QString &action, const QVariantMap &params);
    // An own answer to the unanswered edit ends it.
    void takeEditAnswer(const QString &action, const QVariantMap &params);

    QTimer m_autoUpdateTimer;
    bool m_autoUpdate = false;
    // The server refused this controller's last list: the timer asks nothing until a list
    // requested otherwise succeeds.
    bool m_autoUpdateHeld = false;
    int m_autoUpdateInterval = 30;
    bool m_followsConnection = false;
    // The newest update time held when an own answer reached its end: rows received before a
    // cut tell nothing of the rows not received. None before the first end and once a list that
    // replaces the rows is asked for.
    std::optional<qint64> m_completeUpTo;
    // An own list answer has started and not ended.
    bool m_answerOpen = false;
    // A list of every row was asked for since the connection was lost.
    bool m_wholeListAsked = false;
    QVariantMap m_unansweredEdit;
    std::unique_ptr<RecordFinder> m_finder;
};

} // namespace Client::Controller
