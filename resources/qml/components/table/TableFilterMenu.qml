import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQml.Models 2.2
import ".."

// The menu of a table list's text filter (Table): the extended search window, a check per
// searched column, whole or partial words, the row limit, and all or no columns searched.
MenuEx {
    id: menu

    // The table list (owner) and its searched-column entries (title, role, checked).
    property Item owner: null
    property var entries: null

    objectName: "filterMenu"

    MenuItemEx {
        text: qsTr("Search...")
        onTriggered: menu.owner.createSearch()
    }

    MenuSeparator {}

    Instantiator {
        model: menu.entries
        onObjectAdded: menu.insertItem(index + 2, object)
        onObjectRemoved: menu.removeItem(object)

        delegate: MenuItemEx {
            text: model.title
            checkable: true
            checked: model.checked
            onTriggered: {
                menu.entries.setProperty(index, "checked", checked);
                checked = Qt.binding(function () { return model.checked; });
                menu.owner.updateFilter();
            }
        }
    }

    MenuSeparator {}

    MenuItemEx {
        objectName: "extendedSearchItem"
        text: qsTr("Extended Search")
        checkable: true
        checked: !!menu.owner && menu.owner.extendedSearch
        onTriggered: {
            menu.owner.setExtendedSearch(checked);
            checked = Qt.binding(function () { return !!menu.owner && menu.owner.extendedSearch; });
            menu.owner.updateFilter();
        }
    }

    MenuSeparator {}

    MenuItemEx {
        text: qsTr("Row Limit...")
        onTriggered: menu.owner.openRowLimit()
    }

    MenuSeparator {}

    MenuItemEx {
        objectName: "selectAllItem"
        text: qsTr("Select All")
        onTriggered: menu.owner.setAllFilters(true)
    }

    MenuItemEx {
        objectName: "unselectAllItem"
        text: qsTr("Unselect All")
        onTriggered: menu.owner.setAllFilters(false)
    }
}
