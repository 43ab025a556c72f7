import QtQuick 2.15

// The rows of a controller's own list requests, for pages that find records by a list rather
// than show it (an editor whose record is named by a code, a look-up by sign). The rows are kept
// where the controller keeps them: its row model, which it empties when a full list starts and
// into which a reload merges by id, so no page holds a copy that goes stale. Each own list's end
// hands them on. Only for controllers whose rows are their own, not a class-wide list.
Item {
    id: listRows

    property var controller: null

    // An own list arrived in full; isReload when it only brought the changed records.
    signal ended(var answer, bool isReload)
    // The server refused an own list.
    signal refused(var answer)

    function isOwn(mapParams) {
        return !!controller && String(mapParams["RECEIVER"]) === String(controller.objectNumber);
    }

    // Sends the list request; false when nothing was sent (no read right).
    function request(params) {
        return !!controller && controller.trGetList(params);
    }

    // The first row whose role holds the value (compared as text); null when none does.
    function find(role, value) {
        var model = controller ? controller.originalModel : null;
        var row = model ? model.checkValueByRole(role, String(value)) : -1;
        return row >= 0 ? model.data(row) : null;
    }

    visible: false

    Connections {
        target: listRows.controller
        ignoreUnknownSignals: true

        function onSaListInfo(mapParams) {
            if (listRows.isOwn(mapParams) && !listRows.controller.isStaticModel)
                listRows.controller.originalModel.addRow(mapParams);
        }

        function onSaGetList(mapParams) {
            if (!listRows.isOwn(mapParams))
                return;
            if (mapParams["RES"] !== undefined && String(mapParams["RES"]) !== "10")
                listRows.refused(mapParams);
            else if (String(mapParams["STATE"]) === "end")
                listRows.ended(mapParams, mapParams["_do_not_clear_model"] !== undefined);
        }
    }
}
