.pragma library
// The texts of the change-password answer.

var trChangePwdError = {
    "200": qsTr("Failed to define entry by id"),
    "201": qsTr("Password and confirm password is different"),
    "202": qsTr("Old password is bad"),
    "203": qsTr("Error occurred on updating new password"),
    "204": qsTr("Undefined error occurred")
};
