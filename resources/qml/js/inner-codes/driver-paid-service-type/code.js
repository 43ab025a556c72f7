// The answer of the paid-service action of the paid service type table.
.import "../../errors-base.js" as ErrorsBase

var code = {
    "saImplementPaidService": ErrorsBase.merged([ErrorsBase.codeBase, {
        "title": qsTr("DRIVER PAID SERVICE TYPE: "),
        "200": qsTr("Failed to define paid service type"),
        "201": qsTr("Failed to insert entry in balance log"),
        "202": qsTr("Failed to define user created"),
        "203": qsTr("Serivce type is disabled"),
        "204": qsTr("Price of service type is 0")
    }])
};
