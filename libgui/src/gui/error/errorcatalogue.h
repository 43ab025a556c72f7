#pragma once

#include <QJsonObject>
#include <QString>
#include <QVariantMap>

class QWidget;

namespace Gui {

// The texts of the server's error codes, by answer name ("saNew", "saUpdate", ...), and the
// composer that turns a refused answer into one sentence for the user. The tables are built on
// first use, after the translations are installed, and never change afterwards.
class ErrorCatalogue
{
public:
    // The codes every answer knows.
    static QJsonObject common();
    // The common codes and those of an employee record.
    static QJsonObject employee();
    // One member per answer name: its "title" and its codes.
    static QJsonObject answers();

    // A copy of base with every member of overlay written into it (the overlay wins).
    static QJsonObject merge(const QJsonObject &base, const QJsonObject &overlay);

    // The message for an answer map; an empty catalogue means answers().
    static QString message(const QVariantMap &answer, const QJsonObject &catalogue = QJsonObject());
    // Shows message() in a critical box over parent (plain text); returns the button pressed.
    static int show(QWidget *parent, const QVariantMap &answer, const QJsonObject &catalogue = QJsonObject());
};

} // namespace Gui
