#pragma once

#include "pagerows.h"

#include <QString>
#include <QVector>

// One page entry of the window: the menu command or tool bar button (by object name) that opens
// it, the page it opens, the list it shows and the editor its Edit button opens.
struct JourneyRow
{
    QString command;
    QString url;
    PageList list = PageList::None;
    // The editor opened from the table; empty: none. A savable one has its row in pageRows().
    QString editorUrl;
    // A read-only editor: the SQL giving the record it opens (it only opens and closes).
    QString readOnlyRecordSql;
    // SQL giving the record a savable editor opens, where its row in pageRows() makes a new one
    // (the journey's record is there before the lists load: see journeySeed()).
    QString recordSql;
    // A page that makes a new record: the field typed, its value, and SQL counting the records
    // stored with that value.
    QString newField;
    QString newValue;
    QString newCountSql;
    // Opened by a tool bar button instead of a menu command.
    bool onToolBar = false;
    // Opened by the "New" command of the File menu's GUI-session submenu (it has no object name).
    bool inGuiSessionMenu = false;
    bool isEditorPage() const { return list == PageList::None; }
};

// Every page entry of the main menu, the Tools menu and the tool bar; adding one is one row.
const QVector<JourneyRow> &journeyRows();

// The object names of the Report menu's commands, each opening a report frame.
QStringList reportCommands();

// The records of the journey beyond those of the page test bed.
QStringList journeySeed();

// A few hundred drivers more, so that the driver lists are longer than their tables.
QStringList longListSeed();

// The editor round trip of pagerows.h for an editor URL; null when the editor only shows.
const PageRow *savableEditor(const QString &editorUrl);
