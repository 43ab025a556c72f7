import QtQuick 2.15
import ".."
import "../text"
import "../../js/utils.js" as Utils

// The snooze of a record: the current one, the minutes to add and a note. A finished change goes
// to the page's updateProlongedStatus("prolonged" or "desc").
Column {
    id: prolonged

    property alias prolonged: minutesField
    property alias desc: noteArea
    readonly property bool modify: minutesField.modify || noteArea.modify
    property string before: "0"

    function setData(mapParams) {
        before = mapParams["prolonged_before"] === undefined ? "0" : String(mapParams["prolonged_before"]);
        minutesField.legalText = "0";
        noteArea.legalText = mapParams["desc_before"] === undefined ? "" : String(mapParams["desc_before"]);
    }

    function finish(kind) {
        if (modify && typeof updateProlongedStatus === "function")
            updateProlongedStatus(kind);
    }

    spacing: 5

    Row {
        spacing: 5

        LabelEx {
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Snooze") + " (" + Utils.formatHHMM(Number(prolonged.before) * 60) + ")"
        }

        TextFieldEx {
            id: minutesField

            objectName: "prolonged"
            width: 30
            legalText: "0"
            validator: IntValidator { bottom: 0 }
            onActiveFocusChanged: {
                if (!activeFocus)
                    prolonged.finish("prolonged");
            }
        }

        LabelEx {
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("min.")
        }
    }

    LabelEx {
        text: qsTr("Note of prolonged")
    }

    TextAreaEx {
        id: noteArea

        width: parent.width
        height: 60
        textArea.objectName: "desc"
        onActiveFocusChanged: {
            if (!activeFocus)
                prolonged.finish("desc");
        }
    }
}
