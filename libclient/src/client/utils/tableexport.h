#pragma once

#include "common/core/utils/utils.h"

#include <QString>
#include <QVariantList>

namespace Client::Controller {
class ProxyModel;
}

namespace Client {

// Writes the rows of a list view into a new workbook: a header row of column titles (bold white
// on solid blue), then one row per view row in view order. Values are written by their
// catalogue type: dates as the user's local date text, durations as text, integers as exact
// 64-bit numbers, doubles as numbers, everything else (server text included) as text. A value
// that a cell cannot hold as a number (NaN, an infinity, a text in a number column) is written
// as text that names it; a text longer than a cell holds is cut to fit, ending in "…", and
// counted, so that one such value never costs the other rows.
class TableExport
{
public:
    // columns: maps with "title" and "role"; utcOffset: the user's offset in minutes.
    TableExport(const Controller::ProxyModel *view, const QVariantList &columns, qint64 utcOffset);

    // Saves the workbook; false (and errorString()) when it could not be written.
    bool save(const QString &fileName);
    QString errorString() const { return m_error; }
    // The cells whose text was cut to what a cell holds.
    int cutCells() const { return m_cutCells; }

private:
    QVariant cellValue(const QString &role, const QVariant &value) const;

    const Controller::ProxyModel *m_view;
    QVariantList m_columns;
    qint64 m_utcOffset;
    QString m_error;
    int m_cutCells = 0;
    mutable Utils m_utils;
};

} // namespace Client
