#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// What a page asks for when it opens.
enum class PageList {
    None,   // nothing (an editor opened for a new record)
    Own,    // its own "<controller>_trGetList"
    Shared  // nothing: it shows a shared catalogue list that start-up loaded
};

// An editor's round trip over a stored record: unchanged OK sends nothing, a changed field sends
// exactly the request keys, a refusal carrying the field's error code focuses it and shows the
// page error text.
struct EditorRow
{
    // SQL giving the id of the record to open; empty: the editor opens without an id.
    QString recordSql;
    // The field changed (its object name), its new value, the keys of the update request.
    QString field;
    QString value;
    QStringList request;
    // SQL giving the stored value of the field (the record id bound, where there is one).
    QString storedSql;
    // The record's table: the unchanged fields of the request must carry its stored values.
    QString table;
    // A server error code that belongs to the field (empty: none) and the text the page shows.
    QString errorCode;
    QString errorText;
    // SQL giving a stored value that the save of the other field keeps, and that value.
    QString keptSql;
    QString keptValue;
    // Keys of the request that carry the changed field besides its own (a JSON value holding it).
    QStringList derived;
};

// A page that shows only as a tab of an editor: the editor, the SQL giving the id of the record
// it opens, and the object name of the tab.
struct TabHost
{
    QString editorUrl;
    QString recordSql;
    QString tab;
};

// One page file of the catalogue: its URL, the controller whose read right it needs and the list
// it asks for; for an editor, its round trip.
struct PageRow
{
    QString url;
    QString controller;
    PageList list = PageList::None;
    EditorRow editor;
    // A shared list that shows only some of its rows: SQL counting those (empty: all but the
    // placeholder).
    QString shownSql;
    // Set for a page that opens only as an editor's tab.
    TabHost host;
    bool isEditor() const { return !editor.field.isEmpty(); }
    bool isTab() const { return !host.editorUrl.isEmpty(); }
};

// Every page of the test bed; adding a page is adding its row.
const QVector<PageRow> &pageRows();
// A row's name in a test's data: the page file, and the editor file for a tab.
QString pageTag(const PageRow &row);

// Records the pages need in the database before the program starts and loads its lists.
QStringList pageSeed();
