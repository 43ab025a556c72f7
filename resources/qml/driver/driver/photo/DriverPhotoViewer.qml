import QtQuick 2.15
import QtQuick.Layouts 1.15
import "qrc:/qml/components"
import "qrc:/qml/js/fontawesome.js" as FontAwesome
import "phototags.js" as PhotoTags

// One photo of a photo page at a time, in a window of its own: previous and next, zoom in and
// out, rotate right and left. ids are the image provider's keys of the photos, tags their tags.
NtFrame {
    id: root

    property int currentIndex: 0
    property var ids: []
    property var tags: []
    // The editor whose photos show; its window comes to the front again when this one closes.
    property var editor: null
    property real zoom: 1
    property int angle: 0
    readonly property int photoCount: ids ? ids.length : 0
    readonly property string currentKey: currentIndex >= 0 && currentIndex < photoCount ? String(ids[currentIndex]) : ""

    function show(index) {
        if (index < 0 || index >= photoCount)
            return;
        currentIndex = index;
        zoom = 1;
        angle = 0;
    }

    title: qsTr("Photo")
    isWindow: true
    parentItem: editor
    Component.onCompleted: {
        window.width = 600;
        window.height = 400;
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 5

        Flickable {
            id: flick

            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: Math.max(width, photo.paintedWidth * root.zoom)
            contentHeight: Math.max(height, photo.paintedHeight * root.zoom)

            Image {
                id: photo

                objectName: "photo"
                anchors.centerIn: parent
                width: flick.width
                height: flick.height
                fillMode: Image.PreserveAspectFit
                // Enough for the window and its zoom steps; never the photo's full size.
                sourceSize: Qt.size(2048, 2048)
                cache: false
                source: root.currentKey === "" ? "" : "image://photo/" + root.currentKey
                scale: root.zoom
                rotation: root.angle
            }
        }

        LabelEx {
            objectName: "caption"
            Layout.alignment: Qt.AlignHCenter
            text: root.currentIndex >= 0 && root.currentIndex < root.photoCount && root.tags
                  ? PhotoTags.caption(root.tags[root.currentIndex]) : ""
        }

        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            Layout.margins: 5
            spacing: 10

            ButtonEx {
                objectName: "previousButton"
                text: qsTr("Previous")
                enabled: root.currentIndex > 0
                onClicked: root.show(root.currentIndex - 1)
            }
            ButtonEx {
                objectName: "zoomInButton"
                fontIcon: FontAwesome.ZoomIn
                fontBold: true
                onClicked: root.zoom *= 1.5
            }
            ButtonEx {
                objectName: "zoomOutButton"
                fontIcon: FontAwesome.ZoomOut
                fontBold: true
                onClicked: root.zoom /= 1.5
            }
            ButtonEx {
                objectName: "rotateLeftButton"
                fontIcon: FontAwesome.RotateLeft
                fontBold: true
                onClicked: root.angle = (root.angle + 270) % 360
            }
            ButtonEx {
                objectName: "rotateRightButton"
                fontIcon: FontAwesome.RotateRight
                fontBold: true
                onClicked: root.angle = (root.angle + 90) % 360
            }
            ButtonEx {
                objectName: "nextButton"
                text: qsTr("Next")
                enabled: root.currentIndex < root.photoCount - 1
                onClicked: root.show(root.currentIndex + 1)
            }
        }
    }
}
