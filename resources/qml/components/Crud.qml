import QtQuick 2.15

// The five rights of the user on a controller's records, kept current as the server pushes
// security changes. With useSecurityValue false the flags stay as set by hand.
Item {
    id: crud

    property bool crudcreate: true
    property bool crudread: true
    property bool crudupdate: true
    property bool cruddelete: true
    property bool crudduplicate: true
    property var controller: null
    property bool useSecurityValue: true
    readonly property var operations: ["create", "read", "update", "delete", "duplicate"]

    function refresh() {
        if (!controller || !useSecurityValue)
            return;
        for (var i = 0; i < operations.length; ++i)
            crud["crud" + operations[i]] = GLOBAL.securityState(controller, operations[i]);
    }

    visible: false
    onControllerChanged: refresh()
    Component.onCompleted: refresh()

    Connections {
        target: typeof GLOBAL !== "undefined" ? GLOBAL : null
        ignoreUnknownSignals: true

        function onSoReceived(sog, operation) {
            if (!crud.useSecurityValue || !crud.controller || crud.controller.name !== sog)
                return;
            if (crud.operations.indexOf(operation) >= 0)
                crud["crud" + operation] = GLOBAL.securityState(crud.controller, operation);
        }
    }
}
