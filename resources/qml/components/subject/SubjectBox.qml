import QtQuick 2.15
import QtQuick.Layouts 1.15
import ".."
import "../../js/fontawesome.js" as FontAwesome

// A one-record field of an editor: a label block at the left (with the picker's shortcut and a
// lock when read-only), the page's field showing the record's name, and a "..." button that
// asks the page to open the chooser (clicked). With a focusItem the shortcut focuses it instead.
Rectangle {
    id: box

    default property alias content: contentRow.data
    property string labelName
    property int labelWidth: 115
    property color labelColor: "white"
    property bool isBrowseButton: false
    property bool readOnly: false
    property alias shortcut: browseButton.shortcut
    property Item focusItem: null
    property alias help: helpMark.help
    property color defBgColor: GLOBAL.style.subjectBoxDefBgColor
    property color redBgColor: GLOBAL.style.subjectBoxRedBgColor
    property color greenBgColor: GLOBAL.style.subjectBoxGreenBgColor
    property alias bgcolor: box.color
    property int minimumHeight: 30
    property alias browseButton: browseButton
    property alias shortcutLabel: shortcutLabel

    signal clicked()

    color: defBgColor
    radius: 2
    border.width: 0
    clip: true
    opacity: enabled ? 1 : 0.5
    implicitHeight: Math.max(minimumHeight, isBrowseButton ? browseButton.implicitHeight : 0,
                             contentRow.implicitHeight)
    implicitWidth: labelWidth + contentRow.implicitWidth + (isBrowseButton ? browseButton.implicitWidth : 0) + 20

    RowLayout {
        anchors.fill: parent
        anchors.rightMargin: 5
        spacing: 5

        Rectangle {
            Layout.preferredWidth: box.labelWidth
            Layout.fillHeight: true
            color: GLOBAL.style.subjectBoxLabelBgColor
            radius: 2

            RowLayout {
                anchors.fill: parent
                anchors.leftMargin: 5
                spacing: 2

                LabelEx {
                    id: nameLabel

                    Layout.fillWidth: true
                    text: box.labelName + ":"
                    color: box.labelColor
                    font.bold: true
                    wrapMode: Text.WordWrap
                }

                LabelFormHelp {
                    id: helpMark
                }

                LabelEx {
                    id: shortcutLabel

                    objectName: "shortcutLabel"
                    visible: box.enabled && (box.isBrowseButton || box.focusItem !== null) && text !== ""
                    text: browseButton.shortcutControl.nativeText
                    color: Qt.darker(box.labelColor, 1.5)
                    font.pixelSize: Math.max(1, nameLabel.font.pixelSize * 0.7)
                }

                LabelIcon {
                    objectName: "lockGlyph"
                    visible: box.readOnly
                    leftPadding: 2
                    glyph: FontAwesome.Lock
                    bold: true
                    color: Qt.darker(box.labelColor, 1.5)
                    font.pixelSize: Math.max(1, nameLabel.font.pixelSize * 0.7)
                }
            }
        }

        RowLayout {
            id: contentRow

            Layout.fillWidth: true
            Layout.minimumWidth: 40
            spacing: 5
        }

        BrowseButton {
            id: browseButton

            objectName: "browseButton"
            visible: box.isBrowseButton
            enabled: !box.readOnly
            isShortcutActive: box.visible && box.enabled && box.focusItem === null
            onClicked: box.clicked()
        }
    }

    ShortcutEx {
        sequence: box.shortcut !== undefined ? box.shortcut : ""
        enabled: box.visible && box.focusItem !== null && sequence !== ""
        onActivated: box.focusItem.forceActiveFocus(Qt.ShortcutFocusReason)
    }
}
