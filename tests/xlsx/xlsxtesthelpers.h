#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// What the xlsx tests share: the independent reader (openpyxl through Debian's python3), the
// fixture maker, LibreOffice's conversion and a look at raw archive entries.
namespace XlsxTest {

// Runs one of the helper scripts of this folder; false with the script's output on failure.
bool runScript(const QString &script, const QStringList &arguments, QByteArray *output, QString *error);
// The workbook as openpyxl reads it (see dump_xlsx.py); empty with an error when it cannot.
// rows ("1-3,10001") limits the cells listed.
QJsonObject dump(const QString &fileName, QString *error, const QString &rows = QString());
bool makeFixtures(const QString &folder, QString *error);
// Converts workbooks to CSV files (first sheet) in one LibreOffice run.
bool convertToCsv(const QStringList &fileNames, const QString &folder, QString *error);
// Lets LibreOffice open workbooks and save them again as xlsx files of its own.
bool convertToXlsx(const QStringList &fileNames, const QString &folder, QString *error);

// The uncompressed entry of a zip archive, read with Qt's own zip reader.
QByteArray entry(const QString &fileName, const QString &name);
QStringList entryNames(const QString &fileName);
QByteArray fileHash(const QString &fileName);

// cells of one sheet of a dump, and one cell of it
QJsonObject sheet(const QJsonObject &dump, const QString &name);
QJsonObject cell(const QJsonObject &dump, const QString &sheetName, const QString &reference);

} // namespace XlsxTest
