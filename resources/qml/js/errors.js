// This program's page error tables: the kit's tables with the codes of its own controllers.
// Imported per page, like errors-base.js.
.import "utils.js" as Utils
.import "errors-base.js" as ErrorsBase

var tableOf = ErrorsBase.merged;

var codeDriverGroup = {
    "450": "Offset to UTC less that -14 hours (-840 minutes)",
    "451": "Offset to UTC greater that +14 hours (+840 minutes)"
};
var codePaidServiceType = {
    "250": qsTr("Name is not unique"),
    "251": qsTr("Balance type isn't selected"),
    "252": qsTr("Sign of price doesn't match sign of balance type"),
    "253": qsTr("Failed to create balance type object"),
    "254": qsTr("Failed to define balance type")
};
var codeOwnerPaidService = { "250": qsTr("Owner is already connected to this paid service") };
var codeBalanceType = { "250": qsTr("Code isn't unique") };
var codeRating = { "450": qsTr("Rating must be in interval from 1.0 to 5.0") };
var codeCompany = { "400": qsTr("Failed to define company") };
var codeSystemRecord = { "200": qsTr("Forbidden to delete the system record") };

// The controller tables shared by "saUpdate" and "saDuplicate"; "saNew" adds to them.
function updateTables() {
    return {
        "user": tableOf([ErrorsBase.codeOwnerBaseCommon, ErrorsBase.codeUserBaseCommon]),
        "ug": tableOf([ErrorsBase.codeGroupBaseCommon, ErrorsBase.codeUserGroupBaseCommon]),
        "driver": tableOf([ErrorsBase.codeOwnerBaseCommon, codeRating]),
        "driverGroup": tableOf([codeDriverGroup, ErrorsBase.codeGroupBaseCommon]),
        "terminalCmp": tableOf([ErrorsBase.codeOwnerBaseCommon]),
        "driverPaidServiceType": tableOf([codePaidServiceType, codeCompany]),
        "driverPaidService": tableOf([codeOwnerPaidService]),
        "dbt": tableOf([codeBalanceType])
    };
}

(function addControllerTables() {
    var code = ErrorsBase.code;
    Utils.appendProp2Object(updateTables(), code["saUpdate"]);
    Utils.appendProp2Object(updateTables(), code["saDuplicate"]);
    var added = updateTables();
    added["user"] = tableOf([added["user"], ErrorsBase.codeUserBaseNew]);
    added["ug"] = tableOf([added["ug"], ErrorsBase.codeUserGroupBaseNew]);
    added["ubl"] = tableOf([ErrorsBase.codeBalanceLogBaseCommon]);
    added["dbl"] = tableOf([ErrorsBase.codeBalanceLogBaseCommon]);
    Utils.appendProp2Object(added, code["saNew"]);
    Utils.appendProp2Object({
        "company": tableOf([codeSystemRecord]),
        "ug": tableOf([ErrorsBase.codeUserGroupBaseRemove, codeSystemRecord]),
        "user": tableOf([codeSystemRecord]),
        "car": { "200": qsTr("Can't remove last car") }
    }, code["saRemove"]);
    // A refused session close (of a driver or a user) reads like the other refusals.
    code["saClose"] = tableOf([{ "title": qsTr("CLOSE SESSION: ") }, ErrorsBase.codeBase]);
})();

function prepareMessage(mapParams, innerCode) {
    return ErrorsBase.prepareMessage(mapParams, innerCode);
}

function display(parent, mapParams, innerCode) {
    return ErrorsBase.display(parent, mapParams, innerCode);
}

function selectErrorControl(parent, code) {
    return ErrorsBase.selectErrorControl(parent, code);
}
