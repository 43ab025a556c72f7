#pragma once

#include "xlsx/document.h"

#include <QString>
#include <QVector>

#include <memory>

namespace Report {

// One report workbook: written in a copy of its template beside the folder's reports, which takes
// a file name that no other file has only once it is saved whole. A second report of the same name
// within the same second gets "-2", "-3", ... before ".xlsx"; a file that exists is never written
// into, and a workbook that was not saved whole leaves nothing behind.
class Workbook
{
public:
    Workbook();
    ~Workbook();

    // Copies the template beside folder/baseName.xlsx, gives the copy read and write permission
    // for its user and opens it. False with errorString() when the template cannot be read or
    // copied, or the copy does not open as a workbook.
    bool open(const QString &templatePath, const QString &folder, const QString &baseName);
    // Saves the copy and gives it folder/baseName.xlsx or the first free numbered name. False with
    // errorString() when it cannot be written whole or no name is free: then the copy is removed.
    bool save();

    // The report's file once saved; before that, the copy being written.
    QString fileName() const { return m_fileName; }
    QString errorString() const { return m_error; }
    Xlsx::Document &document() { return *m_document; }

    // The format of a template cell (null when the template has no such cell).
    Xlsx::Format format(int row, int column) const;
    // The formats of one styled row, indexed by column (index 0 unused), columns 1 to lastColumn.
    QVector<Xlsx::Format> rowFormats(int row, int lastColumn) const;

    static Xlsx::Format withNumberFormat(Xlsx::Format format, const QString &code);
    // A text fit for a file name that shows what it is: path separators, characters that file
    // systems refuse, control and direction characters and broken surrogates become "_", leading
    // and trailing blanks and dots go, at most 80 UTF-16 units cut between whole characters; "_"
    // when nothing is left.
    static QString safeFileName(const QString &text);

private:
    bool copyTemplate(const QByteArray &data);
    // Gives the saved copy its name; false when every name is taken.
    bool takeName();
    void discard();

    std::unique_ptr<Xlsx::Document> m_document;
    QString m_folder;
    QString m_baseName;
    QString m_fileName;
    bool m_saved = false;
    QString m_error;
};

} // namespace Report
