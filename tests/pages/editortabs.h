#pragma once

#include <QString>

class QObject;
class QQuickItem;

// The button of an editor's tab (by its object name); null when there is none.
QQuickItem *editorTabButton(QObject *editor, const QString &tab);
// Shows the tab of an editor page (the tab button's object name); false when there is none.
bool showEditorTab(QObject *editor, const QString &tab);
// The page inside an editor's tab once it is made: the tab's own page, or the page its loader
// made on the tab's first visit; null before.
QObject *editorTabPage(QObject *editor, const QString &tab);
