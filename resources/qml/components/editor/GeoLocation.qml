import QtQuick 2.15
import QtQuick.Layouts 1.15
import ".."
import "../text"
import "../base"

// A place: latitude and longitude, also as one "lat, lon" text to copy or paste.
GroupBoxEx {
    id: location

    property alias lat: latField
    property alias lon: lonField
    property alias coordinates: coordinatesField

    signal coordChanged()

    // The user's "lat, lon" text into the two fields; blanks do not count, empty clears both.
    function setFromText(text) {
        if (text === "") {
            latField.text = "";
            lonField.text = "";
            return;
        }
        var parts = text.replace(/\s/g, "").split(",");
        latField.text = parts[0];
        if (parts.length > 1)
            lonField.text = parts[1];
    }

    title: qsTr("Location")

    GridLayout {
        columns: 2
        rowSpacing: 10
        columnSpacing: 10

        LabelEx {
            text: qsTr("Latitude:")
        }

        TextFieldDouble {
            id: latField

            objectName: "lat"
            onTextChanged: location.coordChanged()
        }

        LabelEx {
            text: qsTr("Longitude:")
        }

        TextFieldDouble {
            id: lonField

            objectName: "lon"
            onTextChanged: location.coordChanged()
        }

        LabelEx {
            text: qsTr("Coordinates:")
        }

        Row {
            spacing: 5

            TextFieldExBase {
                id: coordinatesField

                function joined() {
                    return latField.text + ", " + lonField.text;
                }

                width: 200
                text: joined()
                // While the user types, the text is his; the joined text shows again once editing
                // ends.
                onTextEdited: {
                    text = text;
                    location.setFromText(text);
                }
                onEditingFinished: text = Qt.binding(joined)
            }

            ButtonEx {
                objectName: "copyButton"
                text: qsTr("Copy")
                onClicked: DESKTOP_UTILS.setClipboardText(coordinatesField.text)
            }

            ButtonEx {
                objectName: "pasteButton"
                text: qsTr("Paste")
                onClicked: {
                    location.setFromText(DESKTOP_UTILS.getClipboardText());
                    coordinatesField.forceActiveFocus();
                    coordinatesField.selectAll();
                }
            }
        }
    }
}
