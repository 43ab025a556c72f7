import QtQuick 2.15
import QtQuick.Controls 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/toolbuttons"
import "qrc:/qml/js/dialog.js" as Dialog
import "qrc:/qml/js/errors.js" as Errors
import "qrc:/qml/js/fontawesome.js" as FontAwesome

// The security option values of one user or one user group: the option groups at the left, the
// owner's values of the current group at the right. "Set All" changes every visible yes/no value
// of the list, one record at a time: lock, update once the lock is granted, unlock.
TableContainer {
    id: container

    // A user's values ("uso", with "is_using") or a group's ("ugso").
    property bool isUser: true
    property string ownerId: "0"
    isShown: false
    readonly property string ownerKey: isUser ? "rst_id_owner" : "rst_id_group"
    readonly property var values: isUser ? userValues : groupValues
    property alias typeView: typeView
    property alias valueView: valueView
    property alias split: split
    // Set All: the records still to change, the value they take, the one on its way.
    property var pending: []
    property string setAllValue: ""
    property string setAllId: ""
    readonly property bool isSettingAll: setAllId !== "" || pending.length > 0
    // The option group whose values were asked for last.
    property string requestedType: ""

    function loadData() {
        startShown(null);
    }

    function hasOwner() {
        return ownerId !== "" && ownerId !== "0";
    }

    function currentTypeId() {
        if (typeView.currentRow < 0 || !optionTypes.proxyModel)
            return "";
        var id = optionTypes.proxyModel.data(typeView.currentRow, "id");
        return id === undefined || id === null ? "" : String(id);
    }

    function currentControllerName() {
        if (typeView.currentRow < 0)
            return "";
        var code = String(optionTypes.proxyModel.data(typeView.currentRow, "code"));
        return code.split(".")[0];
    }

    // The values of the current option group, of this owner and visible only.
    function requestValues() {
        var proxy = values.proxyModel;
        values.originalModel.clear();
        var typeId = currentTypeId();
        requestedType = typeId;
        if (!hasOwner() || typeId === "")
            return false;
        proxy.beginPrepare();
        proxy.clearHardFilter();
        proxy.appendHardFilterRole("so_is_visible", "=", "1");
        proxy.appendHardFilterRole(ownerKey, "=", ownerId);
        proxy.endPrepare();
        var params = { "rst_id_sot1": typeId };
        params[ownerKey] = ownerId;
        return valueView.getNewList(params);
    }

    function loadLists() {
        if (!isShown || !frameOf() || !frameOf().checkSecurity(values))
            return;
        // Choosing the first option group asks for its values already.
        if (typeView.rowCount > 0 && typeView.currentRow < 0)
            typeView.selectRow(0);
        if (currentTypeId() !== requestedType || requestedType === "")
            requestValues();
    }

    function frameOf() {
        return typeof frameItem !== "undefined" ? frameItem : null;
    }

    function restoreFilters(settings) {
        if (settings["split"])
            split.restoreState(DESKTOP_UTILS.fromBase64(settings["split"]));
    }

    function storeFilters(settings) {
        settings["split"] = DESKTOP_UTILS.toBase64(split.saveState());
    }

    // The rows Set All changes: yes/no values that differ (on a user: or are not in use).
    function rowsToSet(value) {
        var ids = [];
        var proxy = values.proxyModel;
        for (var row = 0; row < valueView.rowCount; ++row) {
            if (String(proxy.data(row, "so_data_type")) !== "bool")
                continue;
            var differs = String(proxy.data(row, "option_value")) !== value;
            if (isUser && String(proxy.data(row, "is_using")) !== "1")
                differs = true;
            if (differs)
                ids.push(String(proxy.data(row, "id")));
        }
        return ids;
    }

    function setAll(value) {
        if (isSettingAll)
            return;
        var ids = rowsToSet(value);
        if (ids.length === 0)
            return;
        var question = Dialog.question(value === "1" ? qsTr("Set all options of the list to [Yes]?")
                                                     : qsTr("Set all options of the list to [No]?"));
        if (!question)
            return;
        question.yes.connect(function () {
            setAllValue = value;
            pending = ids;
            nextSetAll();
        });
    }

    function nextSetAll() {
        if (pending.length === 0) {
            setAllId = "";
            if (frameOf())
                frameOf().stopBusy();
            return;
        }
        var rest = pending.slice();
        setAllId = rest.shift();
        pending = rest;
        if (frameOf())
            frameOf().startBusy();
        values.trLock({ "id": setAllId });
    }

    function isOwnSetAll(mapParams) {
        return setAllId !== "" && String(mapParams["RECEIVER"]) === String(values.objectNumber)
                && String(mapParams["id"]) === setAllId;
    }

    // The update goes out only under the lock; a refusal is shown and the list goes on.
    function onSetAllLock(mapParams) {
        if (!isOwnSetAll(mapParams))
            return;
        if (String(mapParams["RES"]) !== "10") {
            Errors.display(valueView, mapParams);
            nextSetAll();
            return;
        }
        var params = { "id": setAllId, "option_value": setAllValue };
        // A user's value counts only while in use: "No" must really withdraw the group's "Yes".
        if (isUser)
            params["is_using"] = "1";
        values.trUpdate(params);
    }

    function onSetAllUpdate(mapParams) {
        if (!isOwnSetAll(mapParams))
            return;
        if (String(mapParams["RES"]) !== "10")
            Errors.display(valueView, mapParams);
        values.trUnlock({ "id": setAllId });
        nextSetAll();
    }

    function openValue() {
        if (valueView.currentRow < 0)
            return null;
        var properties = valueView.prepareProperties();
        properties["isWindow"] = true;
        properties["state"] = isUser ? "USO" : "UGSO";
        properties["id"] = String(values.proxyModel.data(valueView.currentRow, "id"));
        properties["secureControllerName"] = currentControllerName();
        return GLOBAL.createQmlFrame(valueView.editorUrl, properties);
    }

    tables: [typeTable, valueTable]
    tableForRowCount: valueTable
    defaultActiveTable: valueTable
    onOwnerIdChanged: {
        if (isInited && isShown) {
            typeView.selectRow(typeView.rowCount > 0 ? 0 : -1);
            requestValues();
        }
    }

    SecurityOptionType {
        id: optionTypes
    }

    UserSecurityOption {
        id: userValues

        isModelReceiveAll: true
        useTrGetList: true
        onSaLock: container.onSetAllLock(mapParams)
        onSaUpdate: container.onSetAllUpdate(mapParams)
    }

    UserGroupSecurityOption {
        id: groupValues

        isModelReceiveAll: true
        useTrGetList: true
        onSaLock: container.onSetAllLock(mapParams)
        onSaUpdate: container.onSetAllUpdate(mapParams)
    }

    SplitViewEx {
        id: split

        anchors.fill: parent
        orientation: Qt.Horizontal

        Table {
            id: typeTable

            SplitView.preferredWidth: container.defaultLeftSplitWidth
            SplitView.minimumWidth: 100
            hideFilterToolBar: true
            tableView: TableViewBase {
                id: typeView

                // The option groups come with the program's start; none is asked for here.
                function getNewList() {
                    return true;
                }

                function doubleClickAction() {
                    if (!container.isUser)
                        container.openValue();
                }

                controller: optionTypes
                trackCurrentId: true
                isSecurity: false
                sortRole: "sog_group_name"
                onCurrentRowChanged: {
                    if (container.isInited && container.isShown && !isPrepareMode
                            && container.currentTypeId() !== container.requestedType)
                        container.requestValues();
                }

                TableViewColumnEx { role: "sog_group_name"; title: qsTr("Security option group"); width: 180 }
            }
        }

        Table {
            id: valueTable

            SplitView.fillWidth: true
            toolBar: ToolBarEx {
                ToolButtonBase {
                    objectName: "setAllYesButton"
                    name: qsTr("Set All to [Yes]")
                    shortcutName: "Ctrl+1"
                    fontIcon: FontAwesome.Check
                    enabled: !container.isSettingAll && (!container.isUser || valueView.rowCount > 0)
                    onClicked: container.setAll("1")
                }
                ToolButtonBase {
                    objectName: "setAllNoButton"
                    name: qsTr("Set All to [No]")
                    shortcutName: "Ctrl+2"
                    fontIcon: FontAwesome.Remove
                    enabled: !container.isSettingAll && (!container.isUser || valueView.rowCount > 0)
                    onClicked: container.setAll("0")
                }
                ToolButtonExcel { objectName: "excelButton" }
            }
            tableView: TableViewBase {
                id: valueView

                // The own list of the option group's values (see requestValues).
                function getNewList(params) {
                    if (!params)
                        return container.requestValues();
                    var proxy = container.values.proxyModel;
                    proxy.beginPrepare();
                    isListPending = true;
                    var sent = container.values.trGetList(params);
                    if (sent && container.frameOf())
                        container.frameOf().startBusy();
                    if (!sent) {
                        isListPending = false;
                        proxy.endPrepare();
                    }
                    return sent;
                }

                function onSaListInfo(mapParams) {
                    if (String(mapParams["RECEIVER"]) === String(container.values.objectNumber))
                        container.values.originalModel.addRow(mapParams);
                }

                function doubleClickAction() {
                    container.openValue();
                }

                controller: container.values
                editorUrl: "qrc:/qml/security-options/SecurityOptionsEditor.qml"

                TableViewColumnId {}
                TableViewColumnLocked {}
                TableViewColumnEx { role: "so_option_name"; width: valueView.nameWidth }
                TableViewColumnEx {
                    role: "option_value"
                    width: 70
                    delegate: container.isUser ? yesDelegate : optionDelegate
                }
                TableViewColumnEx {
                    role: "is_using"
                    width: 60
                    visible: container.isUser
                    delegate: TableYesIconDelegate {}
                }
                TableViewColumnEx { role: "so_description"; width: valueView.descriptionWidth }
                TableViewColumnEx { role: "so_option_key_words"; width: 160; visible: false }
                TableViewColumnUpdateTime {}
                TableViewColumnInsertTime {}
            }
        }
    }

    Component {
        id: yesDelegate

        TableYesIconDelegate {}
    }

    Component {
        id: optionDelegate

        TableSecurityOptionDelegate {}
    }

    // Typing in the values' filter narrows the option groups and takes the first of them.
    Connections {
        target: valueTable.filterField

        function onTextChanged() {
            var proxy = optionTypes.proxyModel;
            proxy.setFilterFields(["type_name", "so_option_key_words"]);
            proxy.setFilterPattern(valueTable.filterField.text);
            typeView.selectRow(typeView.rowCount > 0 ? 0 : -1);
            container.requestValues();
        }
    }

    Component.onCompleted: optionTypes.proxyModel.sortRows("sog_group_name", Qt.AscendingOrder)
}
