#pragma once

#include "itemcontroller.h"

#include <QVariantList>

namespace Client::Controller {

// Asks under a controller's protocol name with a number of its own, whose answers reach no other
// controller, page or list: a narrowed list, or one record as its editor reads it, of what a
// request whose answer was lost may have left on the server. Made for a controller, it reads rows
// as that controller's own: its row hook prepares them (a driver's status text, say). One search
// at a time; a new one forgets the rows of the last.
class RecordFinder : public ItemController
{
    Q_OBJECT

public:
    explicit RecordFinder(const QString &name);
    // Asks as owner, which outlives it, and prepares rows as it does.
    explicit RecordFinder(ItemController *owner);
    ~RecordFinder() override;

    QString name() const override { return m_name; }
    void prepareRow(QVariantMap &row) override;
    // Sends "trGetList" with the params (list filters of the server).
    void find(const QVariantMap &params);
    // Sends "trInfo" with the params ("id"): the record with every column its editor gets.
    void read(const QVariantMap &params);

    bool handleMessage(const QString &action, const QVariantMap &params) override;

signals:
    // The rows found, at the list's end, or the record read; on a refusal none, and answer holds
    // its "RES" "0" (with "ERRCODE" "110" for a record that does not exist).
    void found(QVariantList rows, QVariantMap answer);

private:
    QString m_name;
    ItemController *m_owner = nullptr;
    QVariantList m_rows;
};

} // namespace Client::Controller
