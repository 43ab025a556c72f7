#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

namespace Xlsx {

// The workbook part (workbook.xml): its sheets in order and its date system; saving only
// asks for a full recalculation when the file is opened.
class Workbook
{
public:
    struct Sheet
    {
        QString name;
        QString relationshipId;
        QString state; // "", "hidden" or "veryHidden"
    };

    bool load(const QByteArray &bytes, QString *error);
    const QVector<Sheet> &sheets() const { return m_sheets; }
    bool isDate1904() const { return m_date1904; }

    // The part with calcPr fullCalcOnLoad="1".
    QByteArray saveWithFullCalculation() const;

private:
    QString m_xml;
    QString m_prefix;
    QVector<Sheet> m_sheets;
    bool m_date1904 = false;
    int m_calcStart = -1;
    int m_calcStartEnd = -1;
    int m_calcInsert = -1;
};

} // namespace Xlsx
