import QtQuick 2.15
import ".."

// The base of every tool button: a glyph, the caption and the first shortcut, drawn on a
// gray plate that lights up under the mouse. Two shortcuts click it.
ToolButtonEx {
    id: button

    property string name
    property var shortcutName
    property var shortcutName2
    property string fontIcon
    property bool fontBold: false
    property var iconColor
    property int iconSize: 0
    property bool isShortcutActive: true
    property var table
    property var form

    activeFocusOnTab: false
    focusPolicy: Qt.NoFocus
    implicitWidth: contentRow.width + 10
    contentItem: Text { text: ""; textFormat: Text.PlainText }
    background: Item {
        implicitWidth: contentRow.width + 10
        implicitHeight: button.implicitHeight

        Rectangle {
            anchors.centerIn: parent
            width: contentRow.width + 10
            height: button.height
            radius: 2
            antialiasing: true
            color: "gray"
            opacity: button.pressed ? 0.3 : (button.hovered || button.visualFocus) && button.enabled ? 0.18 : 0

            Behavior on opacity {
                NumberAnimation { duration: button.pressed ? 50 : 180 }
            }
        }

        Row {
            id: contentRow

            anchors.centerIn: parent
            spacing: 5

            LabelIcon {
                objectName: "glyph"
                anchors.verticalCenter: parent.verticalCenter
                visible: button.fontIcon !== ""
                glyph: button.fontIcon
                bold: button.fontBold
                font.pixelSize: Math.max(1, button.iconSize > 0 ? button.iconSize : Math.floor(button.height / 2))
                color: button.iconColor === undefined ? nameLabel.color
                                                      : (button.enabled ? button.iconColor : "gray")
            }

            LabelEx {
                id: nameLabel

                anchors.verticalCenter: parent.verticalCenter
                visible: button.name !== ""
                text: button.name
                elide: Text.ElideRight
            }

            LabelEx {
                anchors.verticalCenter: parent.verticalCenter
                visible: button.name !== "" && firstShortcut.nativeText !== ""
                textFormat: Text.RichText
                text: "<font color='%1'>(%2)</font>".arg(GLOBAL.style.toolButtonTextColorDisabled)
                                                    .arg(firstShortcut.nativeText)
            }
        }
    }

    ShortcutEx {
        id: firstShortcut

        sequence: button.shortcutName !== undefined ? button.shortcutName : ""
        enabled: sequence !== "" && button.isShortcutActive && button.visible && button.enabled
        onActivated: button.clicked()
    }

    ShortcutEx {
        sequence: button.shortcutName2 !== undefined ? button.shortcutName2 : ""
        enabled: sequence !== "" && button.isShortcutActive && button.visible && button.enabled
        onActivated: button.clicked()
    }
}
