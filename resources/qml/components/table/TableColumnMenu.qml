import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQml.Models 2.2
import ".."

// The column menu of a table list (Table): a check per column, which the view shows or hides,
// and Default. The id column stays shown.
MenuEx {
    id: menu

    // The table list (owner) and its column entries (title, role, checked).
    property Item owner: null
    property var entries: null

    objectName: "columnMenu"

    Instantiator {
        model: menu.entries
        onObjectAdded: menu.insertItem(index, object)
        onObjectRemoved: menu.removeItem(object)

        delegate: MenuItemEx {
            text: model.title
            checkable: true
            checked: model.checked
            enabled: model.role !== "id"
            onTriggered: {
                menu.entries.setProperty(index, "checked", checked);
                // The entry keeps the check; the item shows it again.
                checked = Qt.binding(function () { return model.checked; });
                menu.owner.updateTable();
            }
        }
    }

    MenuSeparator {}

    MenuItemEx {
        objectName: "defaultColumnsItem"
        text: qsTr("Default")
        onTriggered: menu.owner.setDefaultColumns()
    }
}
