// The page error tables: a refused answer ("FN", "ERRCODE", ...) becomes one message.
// Imported per page: reads GLOBAL and, through dialog.js, the page's parentWindow.
.import "utils.js" as Utils
.import "dialog.js" as Dialog

function merged(blocks) {
    var result = {};
    for (var i = 0; i < blocks.length; ++i)
        Utils.appendProp2Object(blocks[i], result);
    return result;
}

var codeBase = {
    "50": qsTr("You don't have enough access privileges for this operation"),
    "51": qsTr("Operation not allowed"),
    "100": qsTr("Undefined error"),
    "105": qsTr("Exception occurred")
};

var codeOwnerBaseCommon = {
    "250": qsTr("Sign is empty"),
    "251": qsTr("Sign contains prohibited symbols"),
    "252": qsTr("Sign already exist in db")
};

var codeUserBaseCommon = { "600": qsTr("Group doesn't exist in db") };
var codeUserBaseNew = { "700": qsTr("Group doesn't exist in db") };

var codeGroupBaseCommon = {
    "250": qsTr("Name is empty"),
    "251": qsTr("Group name already exist in db")
};

var codeUserGroupBaseCommon = {
    "700": qsTr("Name of group is empty"),
    "701": qsTr("Name of group already exist in db")
};
var codeUserGroupBaseNew = { "601": qsTr("Error create security rules for group") };
var codeUserGroupBaseRemove = { "400": qsTr("Forbidden to remove Administrators group") };

var codeBalanceLogBaseCommon = { "300": qsTr("Failed to create new entry") };

var codeOwnerDutyBaseCommon = {
    "250": qsTr("Item already assigned on the duty"),
    "251": qsTr("All planned units was assigned"),
    "252": qsTr("Failed to define item of planing duties journal"),
    "253": qsTr("Failed to define amount of assigned units"),
    "254": qsTr("Duty type of planned duties doesn't match with type of item duty")
};
var codeOwnerDutyBaseNew = { "300": "" };

var codePDJBaseSaIncrease = merged([codeBase, { "300": qsTr("Failed to update data") }]);
var codePDJBaseSaDecrease = merged([codeBase, { "300": qsTr("Failed to update data") }]);

var codeOrderCompletedTypeBaseCommon = merged([codeBase, {
    "250": qsTr("Name is empty"),
    "251": qsTr("Code already exists"),
    "252": qsTr("Order status already exists"),
    "253": qsTr("Order status is empty")
}]);
var codeOrderCompletedTypeBaseRemove = { "200": qsTr("Failed to remove system record") };

var codeOrderBaseControllerCompletedOrder = merged([codeBase, {
    "300": "Order doesn't exist",
    "301": "Completed type doesn't exist",
    "302": "Completed type is disabled",
    "303": "Order is completed",
    "304": "Order is completing now",
    "305": "Failed to start transaction",
    "306": "Failed to complete order (update case)",
    "307": "Failed to define company"
}]);

// One member per answer name: its title and the codes the server may put into that answer.
var code = {
    "saGetList": merged([codeBase, { "title": qsTr("GET LIST: ") }]),
    "saInfo": merged([codeBase, { "title": qsTr("INFO: ") }]),
    "saNew": merged([codeBase, {
        "title": qsTr("ADD: "),
        "109": qsTr("Failed to start transaction"),
        "110": qsTr("Transaction commit error"),
        "120": qsTr("DB lost connection")
    }]),
    "saUpdate": merged([codeBase, {
        "title": qsTr("UPDATE: "),
        "70": qsTr("Record locked by other user"),
        "71": qsTr("Error check user locked: controller object not created"),
        "72": qsTr("Record not locked for update"),
        "109": qsTr("Failed to start transaction"),
        "110": qsTr("Transaction commit error"),
        "120": qsTr("DB lost connection"),
        "130": qsTr("Record doesn't exist in db")
    }]),
    "saRemove": merged([codeBase, {
        "title": qsTr("REMOVE: "),
        "101": qsTr("Failed to delete system record"),
        "109": qsTr("Failed to start transaction"),
        "110": qsTr("Record doesn't exist in db"),
        "115": qsTr("DB lost connection"),
        "120": qsTr("Record can't be deleted because it locked by other user"),
        "130": qsTr("Failed to start transaction"),
        "131": qsTr("Transaction commit error")
    }]),
    "saDuplicate": merged([codeBase, {
        "title": qsTr("DUPLICATE: "),
        "109": qsTr("Failed to start transaction"),
        "110": qsTr("Transaction commit error"),
        "116": qsTr("Transaction commit error (for multiple duplicate)"),
        "120": qsTr("DB lost connection"),
        "130": qsTr("Source record doesn't exist in db"),
        "140": qsTr("Error insert duplicated record"),
        "150": qsTr("Undefined amount of copies"),
        "160": qsTr("Amount must be less or equal 100"),
        "170": qsTr("Can't remove source record"),
        "171": qsTr("Can't get info about source record for delete it")
    }]),
    "saLock": {
        "title": qsTr("LOCK: "),
        "100": qsTr("Undefined error on lock record"),
        "105": qsTr("Exception occurred")
    },
    "saUnlock": {
        "title": qsTr("UNLOCK: "),
        "100": qsTr("Undefined error on unlock record"),
        "105": qsTr("Exception occurred")
    }
};

function textOf(value) {
    return value === undefined || value === null ? "" : String(value);
}

// The group name of the controller's security options; "???" when none matches.
function securityGroupName(controllerName) {
    var group = "???";
    var model = typeof GLOBAL !== "undefined" && GLOBAL && GLOBAL.securityOptionType
            ? GLOBAL.securityOptionType.originalModel : null;
    if (!model)
        return group;
    for (var i = 0; i < model.rowCount; ++i) {
        var row = model.data(i);
        if (textOf(row["code"]).split(".")[0] === controllerName)
            group = textOf(row["sog_group_name"]);
    }
    return group;
}

function prepareMessage(mapParams, innerCode) {
    var table = innerCode ? innerCode : code;
    var parts = textOf(mapParams["FN"]).split("_");
    var controllerName = parts[0];
    var answer = parts.length > 1 ? parts[1] : "";
    var errorCode = textOf(mapParams["ERRCODE"]);
    var answerTable = table.hasOwnProperty(answer) ? table[answer] : {};
    var message = textOf(answerTable["title"]);
    var controllerTable = answerTable.hasOwnProperty(controllerName) ? answerTable[controllerName] : null;
    if (errorCode !== "title" && answerTable.hasOwnProperty(errorCode)
            && typeof answerTable[errorCode] === "string")
        message += answerTable[errorCode];
    else if (controllerTable && textOf(controllerTable[errorCode]) !== "")
        message += controllerTable[errorCode];
    else
        message += qsTr("Untitled error for controller ") + controllerName;
    message += " (" + qsTr("code") + ": " + errorCode + ", " + qsTr("controller") + ": "
            + controllerName + ", " + qsTr("security group") + ": "
            + securityGroupName(controllerName) + ")";
    if (textOf(mapParams["ERROPCODE"]) !== "")
        message += "\n" + qsTr("Opcode") + ": " + mapParams["ERROPCODE"] + ", "
                + qsTr("description: ") + textOf(mapParams["ERROPCODEDESCR"]);
    if (textOf(mapParams["exception_description"]) !== "")
        message += "\n" + qsTr("Exception Description: ") + mapParams["exception_description"];
    return message;
}

// Shows the message in a critical dialog over parent; accepting it clears the page's
// isCloseOnSa where the page has one.
function display(parent, mapParams, innerCode) {
    var dialog = Dialog.error(prepareMessage(mapParams, innerCode), { "parent": parent });
    if (dialog) {
        dialog.accepted.connect(function () {
            if (typeof isCloseOnSa !== "undefined")
                isCloseOnSa = false;
        });
    }
    return dialog;
}

function listHolds(list, value) {
    for (var i = 0; i < list.length; ++i) {
        if (String(list[i]) === value)
            return true;
    }
    return false;
}

// Focuses the control whose errorCode list holds the code and returns it.
function selectErrorControl(object, code) {
    var wanted = code !== null && typeof code === "object" ? textOf(code["ERRCODE"]) : textOf(code);
    if (!object || !object.children)
        return undefined;
    for (var i = 0; i < object.children.length; ++i) {
        var child = object.children[i];
        var codes = child.errorCode;
        if (codes && codes.length > 0) {
            if (listHolds(codes, wanted)) {
                child.forceActiveFocus();
                // The value refused, selected to be typed over.
                if (typeof child.selectAll === "function")
                    child.selectAll();
                return child;
            }
            continue;
        }
        var found = selectErrorControl(child, wanted);
        if (found)
            return found;
    }
    return undefined;
}
