#pragma once

#include <QString>
#include <QStringList>

// Reads a QML file for the places that would draw a text as markup: a Qt text item (Text,
// Label, TextEdit, TextArea) that does not choose its textFormat, a ToolTip or a list entry
// (ItemDelegate, MenuItem) that keeps the style's own label, an attached ToolTip.text that is
// not a translated text, and every rich format ("Rich"/"Styled"/"Auto"). Each finding is
// "line: what".
namespace TextFormatScan {

QStringList findings(const QString &qml);

} // namespace TextFormatScan
