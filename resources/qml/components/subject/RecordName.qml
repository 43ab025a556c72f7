import QtQuick 2.15

// The name of a record of a class-wide list, following the list as it reloads: "n/a" for the
// placeholder id "1", empty for an id the list does not hold.
Item {
    id: name

    property var model
    property string recordId: "1"
    property string role
    property int revision: 0
    readonly property string text: {
        revision;
        if (recordId === "1" || recordId === "")
            return qsTr("n/a");
        var value = model ? model.data("id", recordId, role) : undefined;
        return value === undefined || value === null ? "" : String(value);
    }

    visible: false

    Connections {
        target: name.model ? name.model : null
        ignoreUnknownSignals: true

        function onRowCountChanged() { ++name.revision; }
        function onDataChanged() { ++name.revision; }
        function onModelReset() { ++name.revision; }
    }
}
