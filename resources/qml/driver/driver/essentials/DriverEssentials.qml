import QtQuick 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/components/subject"
import "qrc:/qml/components/text"
import "qrc:/qml/js/dialog.js" as Dialog
import "qrc:/qml/js/errors.js" as Errors
import "qrc:/qml/components/subject/pickers.js" as Pickers

// A driver's attributes: identity, group and city, rating, offset from UTC, the group settings
// the driver overrides, the position, notes; the recommender's removal, the archive, the
// password and the approval of a change the driver asked for. Changes made by others, the
// system included, are taken in, but never over unsaved edits without asking.
ColumnLayout {
    id: essentials

    property alias form: driverForm
    property alias driver: driver
    property alias buttonBox: buttonBox
    property alias archiveButton: archiveButton
    property alias cityValue: cityValue
    property alias groupValue: groupValue
    readonly property bool isDirty: driverForm.isFieldsDirty || cityValue.modify || groupValue.modify
    // The sign as stored, for the tabs that show it.
    readonly property string driverSign: sign.legalText
    readonly property string formState: typeof editorItem !== "undefined" && editorItem ? editorItem.state : ""

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value);
    }

    function referenceOf(value) {
        var text = textOf(value);
        return text === "" ? "1" : text;
    }

    function flagNumber(control) {
        return control.checked ? 1 : 0;
    }

    function openRatingLog() {
        return GLOBAL.createQmlFrame("qrc:/qml/driver/driver/essentials/DriverRatingLogTable.qml", {
            "rst_id_driver": driverForm.id, "isWindow": true, "isNewInstance": true,
            "parentItem": Pickers.pageFrame()
        });
    }

    function removeRecommender() {
        var question = Dialog.question(qsTr("Confirm to remove recommender"));
        if (!question)
            return;
        question.yes.connect(function () {
            driver.trRemoveRecommender({ "id": driverForm.id });
            editorItem.startBusy();
        });
    }

    // The answers of this page's own requests besides the form's: a refusal says why.
    function ownAnswer(mapParams) {
        if (String(mapParams["RECEIVER"]) !== String(driver.objectNumber))
            return false;
        editorItem.stopBusy();
        if (String(mapParams["RES"]) === "10")
            return true;
        Errors.display(essentials, mapParams);
        return false;
    }

    // A resolved request is shown no more, also when the record is read again.
    function endResolution() {
        var approve = driverForm.approve;
        if (approve) {
            approve["isCompleted"] = true;
            driverForm.approve = approve;
        }
        driverForm.resolutionVisible = false;
    }

    function resolve(ok) {
        if (!driverForm.approve)
            return;
        driver.trApprove({ "rst_id_nm": textOf(driverForm.approve["rst_id_nm"]), "ok": ok ? "1" : "0" });
        editorItem.startBusy();
    }

    spacing: 0

    Driver {
        id: driver

        onSaRemoveRecommender: {
            if (essentials.ownAnswer(mapParams))
                recommender.setLegalValue("");
        }
        onSaApprove: {
            if (!essentials.ownAnswer(mapParams))
                return;
            essentials.endResolution();
            driverForm.watch.read("asked");
        }
    }

    // A resolved change request hides the resolution.
    NotificationMessage {
        id: notificationMessage

        ignoreSrUpdated: false
        onSrUpdated: {
            var approve = driverForm.approve;
            if (approve && String(mapParams["id"]) === essentials.textOf(approve["rst_id_nm"]))
                essentials.endResolution();
        }
    }

    PropertyBox {
        id: cityValue
    }

    PropertyBox {
        id: groupValue
    }

    Form {
        id: driverForm

        function populateForm(mapParams) {
            populateFields(mapParams);
            cityValue.setLegalValue(essentials.referenceOf(mapParams["rst_id_city"]));
            groupValue.setLegalValue(essentials.referenceOf(mapParams["rst_id_group"]));
            carCompany.companyId = essentials.referenceOf(mapParams["rst_id_car_company"]);
            isMoving.text = essentials.textOf(mapParams["is_moving"]);
            archiveButton.isArchived = essentials.textOf(mapParams["is_archived"]) === "1" ? "1" : "0";
        }

        function setDefaultFields() {
            setFieldDefaults();
            cityValue.setLegalValue("1");
            groupValue.setLegalValue("1");
        }

        // Status, balance, recommender and the position are never sent.
        function getMapParams() {
            return {
                "id": id,
                "rst_id_city": cityValue.value,
                "rst_id_group": groupValue.value,
                "system_note": systemNote.text,
                "sign": sign.text,
                "first_name": firstName.text,
                "last_name": lastName.text,
                "middle_name": middleName.text,
                "phone": phone.text,
                "phone2": phone2.text,
                "rating": rating.text,
                "is_automatic_archive": fieldValue(automaticArchive),
                "is_order_receiving_priority": fieldValue(receivingPriority),
                "blocked": fieldValue(blocked),
                "use_utc_offset": essentials.flagNumber(utcOffset.use_utc_offset),
                "utc_offset": utcOffset.utc_offset.text,
                "override_group_low_balance": essentials.flagNumber(balanceItems.override_group_low_balance),
                "enabled_low_balance": essentials.flagNumber(balanceItems.enabled_low_balance),
                "low_balance": balanceItems.low_balance.text,
                "inner_note": innerNote.text,
                "override_group_additinal_payment": essentials.flagNumber(overrideAdditional),
                "enabled_additional_payment": essentials.flagNumber(additionalPayment),
                "additional_percent": additionalPercent.text,
                "additional_abs": additionalAbs.text,
                "override_duty_amount": essentials.flagNumber(dutyGroup),
                "duty_amount": dutyAmount.text,
                "override_duty_amount_temp": essentials.flagNumber(dutyTempGroup),
                "duty_amount_temp": dutyAmountTemp.text,
                "override_group_distance_penalty": essentials.flagNumber(overrideDistance),
                "enabled_distance_penalty": essentials.flagNumber(distancePenalty),
                "distance_penalty": distancePenaltyValue.text,
                "cancel_per_day": cancelPerDay.text
            };
        }

        // Another user's or the system's change of the record is read again; over unsaved edits
        // another user's is asked about first, the system's only where it changed what is sent.
        function onSrUpdated(mapParams) {
            if (!isAnswerOfRecord(mapParams) || String(mapParams["id_owner_modify"]) === String(USER_SESSION.rst_id_owner))
                return;
            if (String(mapParams["id_owner_modify"]) === "1")
                watch.rereadBySystem(qsTr("system"));
            else
                watch.rereadChanged(mapParams["sign"]);
        }

        Layout.fillWidth: true
        Layout.fillHeight: true
        controller: driver
        defaultActiveField: sign
        titleRole: "sign"
        singleCopy: true
        resolutionContexts: ["driver.update"]
        fields: [systemNote, sign, firstName, lastName, middleName, phone, phone2, rating, automaticArchive,
            receivingPriority, blocked, utcOffset.use_utc_offset, utcOffset.utc_offset,
            balanceItems.override_group_low_balance, balanceItems.enabled_low_balance, balanceItems.low_balance,
            innerNote, overrideAdditional, additionalPayment, additionalPercent, additionalAbs, dutyGroup, dutyAmount,
            dutyTempGroup, dutyAmountTemp, overrideDistance, distancePenalty, distancePenaltyValue, cancelPerDay]
        shownFields: [status, recommender, balance, lat, lon, alt, spd, course]
        onResolutionApprove: essentials.resolve(true)
        onResolutionReject: essentials.resolve(false)

        RowLayout {
            width: parent.width
            spacing: 10

            GroupBoxEx {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                Layout.preferredWidth: 1
                title: qsTr("Driver")

                ColumnLayout {
                    width: parent.width
                    spacing: 5

                    RowLayout {
                        LabelEx { text: qsTr("Id:") }
                        TextFieldId { text: driverForm.id }
                    }

                    SubjectBox {
                        id: cityBox

                        objectName: "cityBox"
                        Layout.fillWidth: true
                        labelName: qsTr("City")
                        isBrowseButton: true
                        shortcut: "Ctrl+1"
                        onClicked: Pickers.openChooser("qrc:/qml/address/city/CityTable.qml", "SELECT", function (result) {
                            var id = Pickers.resultId(result, "rst_id_city");
                            if (id !== undefined)
                                cityValue.value = id;
                        })

                        RecordName {
                            id: cityName

                            model: GLOBAL.city ? GLOBAL.city.originalModel : null
                            recordId: cityValue.value
                            role: "name"
                        }

                        SubjectField {
                            objectName: "city_name"
                            legalText: cityName.text
                            onBrowseRequested: cityBox.clicked()
                            onEditorRequested: Pickers.openEditor("qrc:/qml/address/city/CityEditor.qml", cityValue.value,
                                                                  Pickers.pageFrame())
                        }
                    }

                    SubjectBox {
                        id: groupBox

                        objectName: "groupBox"
                        Layout.fillWidth: true
                        labelName: qsTr("Driver group")
                        isBrowseButton: true
                        shortcut: "Ctrl+2"
                        onClicked: Pickers.openChooser("qrc:/qml/driver/driver-group/DriverGroupTable.qml", "SELECT",
                                                       function (result) {
                            var id = Pickers.resultId(result, "rst_id_group");
                            if (id !== undefined)
                                groupValue.value = id;
                        })

                        RecordName {
                            id: groupName

                            model: GLOBAL.driverGroup ? GLOBAL.driverGroup.originalModel : null
                            recordId: groupValue.value
                            role: "name"
                        }

                        SubjectField {
                            objectName: "group_name"
                            legalText: groupName.text
                            onBrowseRequested: groupBox.clicked()
                            onEditorRequested: Pickers.openEditor("qrc:/qml/driver/driver-group/DriverGroupEditor.qml",
                                                                  groupValue.value, Pickers.pageFrame())
                        }
                    }

                    GridLayout {
                        Layout.fillWidth: true
                        columns: 2
                        columnSpacing: 10

                        LabelEx { text: qsTr("Car company") }
                        TextFieldEx {
                            id: carCompany

                            property string companyId: "1"

                            objectName: "car_company_name"
                            Layout.fillWidth: true
                            readOnly: true
                            text: companyId === "1" || !GLOBAL.company ? ""
                                  : essentials.textOf(GLOBAL.company.originalModel.data("id", companyId, "company_name"))
                        }
                        LabelEx { text: qsTr("Status:") }
                        TextFieldEx { id: status; objectName: "status_string"; Layout.fillWidth: true; readOnly: true }
                        LabelEx { text: qsTr("Sign:") }
                        TextFieldEx {
                            id: sign

                            objectName: "sign"
                            Layout.fillWidth: true
                            errorCode: ["250", "251", "252", "140"]
                        }
                        LabelEx { text: qsTr("Last name:") }
                        TextFieldEx { id: lastName; objectName: "last_name"; Layout.fillWidth: true }
                        LabelEx { text: qsTr("First name:") }
                        TextFieldEx { id: firstName; objectName: "first_name"; Layout.fillWidth: true }
                        LabelEx { text: qsTr("Middle name:") }
                        TextFieldEx { id: middleName; objectName: "middle_name"; Layout.fillWidth: true }
                        LabelEx { text: qsTr("Phone:") }
                        TextFieldEx { id: phone; objectName: "phone"; Layout.fillWidth: true }
                        LabelEx { text: qsTr("Secondary phone:") }
                        TextFieldEx { id: phone2; objectName: "phone2"; Layout.fillWidth: true }
                        LabelEx { text: qsTr("Recommender:") }
                        RowLayout {
                            Layout.fillWidth: true

                            TextFieldEx { id: recommender; objectName: "recommender"; Layout.fillWidth: true; readOnly: true }
                            ButtonEx {
                                objectName: "removeRecommenderButton"
                                text: qsTr("Remove...")
                                enabled: recommender.text !== "" && driverForm.id !== "0" && driverForm.id !== ""
                                onClicked: essentials.removeRecommender()
                            }
                        }
                        LabelEx { text: qsTr("Balance:") }
                        TextFieldEx { id: balance; objectName: "balance"; Layout.fillWidth: true; readOnly: true }
                        LabelEx { text: qsTr("Rating:") }
                        RowLayout {
                            Layout.fillWidth: true

                            TextFieldEx {
                                id: rating

                                objectName: "rating"
                                Layout.fillWidth: true
                                errorCode: ["450"]
                                validator: RegularExpressionValidator {
                                    regularExpression: /^([1-4](\.[0-9]*)?|5(\.0*)?)$/
                                }
                            }
                            ButtonEx {
                                objectName: "ratingLogButton"
                                text: qsTr("More...")
                                enabled: driverForm.id !== "0" && driverForm.id !== ""
                                onClicked: essentials.openRatingLog()
                            }
                        }
                    }

                    LabelEx { text: qsTr("System note:") }
                    TextAreaEx {
                        id: systemNote

                        objectName: "system_note"
                        Layout.fillWidth: true
                        Layout.preferredHeight: 100
                    }

                    OwnerUtcOffset {
                        id: utcOffset

                        Layout.fillWidth: true
                    }

                    CheckBoxEx { id: automaticArchive; objectName: "is_automatic_archive"; text: qsTr("Automatic archiving") }
                    CheckBoxEx {
                        id: receivingPriority

                        objectName: "is_order_receiving_priority"
                        text: qsTr("Order receiving priority")
                    }
                    CheckBoxEx { id: blocked; objectName: "blocked"; text: qsTr("Blocked") }

                    Row {
                        spacing: 10

                        ButtonEx {
                            objectName: "changePasswordButton"
                            visible: essentials.formState !== "ADD" && essentials.formState !== "DUPLICATE"
                            text: qsTr("Change Password...")
                            onClicked: QWIDGET_CREATOR.driverChangePassword(driverForm.id, editorItem)
                        }

                        DriverArchive {
                            id: archiveButton

                            driver: driver
                            driverId: driverForm.id
                            visible: GLOBAL.securityStateByName("driverArchive", "update")
                                     && essentials.formState !== "ADD" && essentials.formState !== "DUPLICATE"
                        }
                    }
                }
            }

            ColumnLayout {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                Layout.preferredWidth: 1
                spacing: 5

                GroupBoxEx {
                    id: dutyGroup

                    objectName: "override_duty_amount"
                    Layout.fillWidth: true
                    checkable: true
                    checked: false
                    legalChecked: false
                    title: qsTr("Override duty amount")

                    RowLayout {
                        LabelEx { text: qsTr("Duty amount:") }
                        TextFieldDouble { id: dutyAmount; objectName: "duty_amount" }
                    }
                }

                GroupBoxEx {
                    id: dutyTempGroup

                    objectName: "override_duty_amount_temp"
                    Layout.fillWidth: true
                    checkable: true
                    checked: false
                    legalChecked: false
                    title: qsTr("Override duty amount for a month")

                    RowLayout {
                        LabelEx { text: qsTr("Duty amount:") }
                        TextFieldDouble { id: dutyAmountTemp; objectName: "duty_amount_temp" }
                    }
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Attributes")

                    GridLayout {
                        columns: 2
                        columnSpacing: 10

                        LabelEx { text: qsTr("Latitude:") }
                        TextFieldEx { id: lat; objectName: "lat"; readOnly: true }
                        LabelEx { text: qsTr("Longitude:") }
                        TextFieldEx { id: lon; objectName: "lon"; readOnly: true }
                        LabelEx { text: qsTr("Altitude:") }
                        TextFieldEx { id: alt; objectName: "alt"; readOnly: true }
                        LabelEx { text: qsTr("Is moving:") }
                        LabelYes { id: isMoving; objectName: "is_moving" }
                        LabelEx { text: qsTr("Speed:") }
                        TextFieldEx { id: spd; objectName: "spd"; readOnly: true }
                        LabelEx { text: qsTr("Course:") }
                        TextFieldEx { id: course; objectName: "course"; readOnly: true }
                        LabelEx { text: qsTr("Fix GPS:") }
                        Item { width: 1; height: 1 }
                    }
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Additional payment")

                    GridLayout {
                        columns: 2
                        columnSpacing: 10

                        CheckBoxEx {
                            id: overrideAdditional

                            objectName: "override_group_additinal_payment"
                            Layout.columnSpan: 2
                            text: qsTr("Override group")
                        }
                        CheckBoxEx {
                            id: additionalPayment

                            objectName: "enabled_additional_payment"
                            Layout.columnSpan: 2
                            enabled: overrideAdditional.checked
                            text: qsTr("Enable additional payment")
                        }
                        LabelEx { text: qsTr("Percent:") }
                        TextFieldDouble {
                            id: additionalPercent

                            objectName: "additional_percent"
                            enabled: overrideAdditional.checked && additionalPayment.checked
                        }
                        LabelEx { text: qsTr("Absolute values:") }
                        TextFieldEx {
                            id: additionalAbs

                            objectName: "additional_abs"
                            Layout.fillWidth: true
                            enabled: overrideAdditional.checked && additionalPayment.checked
                        }
                    }
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Distance penalty")

                    GridLayout {
                        columns: 2
                        columnSpacing: 10

                        CheckBoxEx {
                            id: overrideDistance

                            objectName: "override_group_distance_penalty"
                            Layout.columnSpan: 2
                            text: qsTr("Override group")
                        }
                        CheckBoxEx {
                            id: distancePenalty

                            objectName: "enabled_distance_penalty"
                            Layout.columnSpan: 2
                            enabled: overrideDistance.checked
                            text: qsTr("Enable distance penalty")
                        }
                        LabelEx { text: qsTr("Distance - Penalty:") }
                        TextFieldEx {
                            id: distancePenaltyValue

                            objectName: "distance_penalty"
                            Layout.fillWidth: true
                            enabled: overrideDistance.checked && distancePenalty.checked
                        }
                        LabelEx { text: qsTr("Cancel per day:") }
                        TextFieldEx {
                            id: cancelPerDay

                            objectName: "cancel_per_day"
                            Layout.fillWidth: true
                            enabled: overrideDistance.checked && distancePenalty.checked
                        }
                    }
                }

                OwnerBalanceItems {
                    id: balanceItems

                    Layout.fillWidth: true
                }

                GroupBoxEx {
                    Layout.fillWidth: true
                    title: qsTr("Inner note")

                    TextAreaEx {
                        id: innerNote

                        objectName: "inner_note"
                        width: parent.width
                        height: 80
                    }
                }
            }
        }
    }

    ButtonBox {
        id: buttonBox

        Layout.alignment: Qt.AlignHCenter
        Layout.margins: 5
        form: driverForm
    }

    ItemSeparator {
        Layout.preferredHeight: 5
    }
}
