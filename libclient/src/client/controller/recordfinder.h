#pragma once

#include "itemcontroller.h"

#include <QVariantList>

namespace Client::Controller {

// Asks under a controller's protocol name with a number of its own, whose answers reach no other
// controller, page or list: a narrowed list, or one record as its editor reads it, of what a
// request whose answer was lost may have left on the server. One search at a time; a new one
// forgets the rows of the last.
class RecordFinder : public ItemController
{
    Q_OBJECT

public:
    explicit RecordFinder(const QString &name);
    ~RecordFinder() override;

    QString name() const override { return m_name; }
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
    QVariantList m_rows;
};

} // namespace Client::Controller
