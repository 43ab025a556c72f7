#pragma once

#include "xlsx/document.h"

#include <QString>
#include <QVector>

#include <memory>

namespace Report {

// One report workbook: a copy of a template under a file name that no other file has, opened for
// writing. A second report of the same name within the same second gets "-2", "-3", ... before
// ".xlsx"; a file that exists is never written into.
class Workbook
{
public:
    Workbook();
    ~Workbook();

    // Copies the template to folder/baseName.xlsx (or the first free numbered name), gives the
    // copy read and write permission for its user and opens it. False with errorString() when
    // the template cannot be read, no name is free or the copy does not open as a workbook; no
    // copy is left behind then.
    bool open(const QString &templatePath, const QString &folder, const QString &baseName);
    bool save();

    QString fileName() const { return m_fileName; }
    QString errorString() const { return m_error; }
    Xlsx::Document &document() { return *m_document; }

    // The format of a template cell (null when the template has no such cell).
    Xlsx::Format format(int row, int column) const;
    // The formats of one styled row, indexed by column (index 0 unused), columns 1 to lastColumn.
    QVector<Xlsx::Format> rowFormats(int row, int lastColumn) const;

    static Xlsx::Format withNumberFormat(Xlsx::Format format, const QString &code);
    // A text fit for a file name: path separators, characters that file systems refuse and
    // control characters become "_", leading and trailing blanks and dots go, at most 80
    // characters; "_" when nothing is left.
    static QString safeFileName(const QString &text);

private:
    bool copyTemplate(const QByteArray &data, const QString &path);

    std::unique_ptr<Xlsx::Document> m_document;
    QString m_fileName;
    QString m_error;
};

} // namespace Report
