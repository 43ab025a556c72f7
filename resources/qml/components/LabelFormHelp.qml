import QtQuick 2.15
import "../js/fontawesome.js" as FontAwesome
import "../js/utils.js" as Utils

// A question mark that shows the help text in a panel above it while the mouse is over it.
Row {
    id: row

    property string help
    property var panel: null

    function editor() {
        return typeof editorItem !== "undefined" && editorItem ? editorItem : null;
    }

    function showPanel() {
        var target = editor();
        if (!target)
            return;
        var parentObject = target.isWindow ? target.window.contentItem : target;
        var position = hoverArea.mapToItem(parentObject, 0, 0);
        panel = Utils.createDynamicObject(parentObject, "qrc:/qml/components/HelpPanel.qml",
                                          { "text": row.help });
        if (panel) {
            panel.x = position.x;
            panel.y = position.y - panel.height;
        }
    }

    function hidePanel() {
        if (panel)
            panel.destroy();
        panel = null;
    }

    spacing: 5
    Component.onDestruction: hidePanel()

    MouseArea {
        id: hoverArea

        width: 15
        height: 15
        visible: row.help !== ""
        hoverEnabled: true
        onEntered: row.showPanel()
        onExited: row.hidePanel()

        LabelIcon {
            anchors.fill: parent
            glyph: FontAwesome.QuestionSign
            font.pixelSize: parent.height
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }
}
