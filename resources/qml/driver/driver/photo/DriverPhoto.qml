import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "qrc:/qml/js/dialog.js" as Dialog
import "qrc:/qml/js/enums.js" as Enums
import "qrc:/qml/js/errors.js" as Errors
import "qrc:/qml/js/fontawesome.js" as FontAwesome
import "phototags.js" as PhotoTags

// The photos of a driver, or of one of the driver's cars, as tiles with their captions; a tile
// opens in the photo viewer and, with the delete right, can be removed. Each page keeps its
// images in the image provider under keys of its own, so that pages of other drivers never
// touch them, and takes them out again when it goes.
FocusScope {
    id: page

    property var editor: null
    property string rst_id_driver: "1"
    property string rst_id_car: "1"
    property alias media: media
    property alias photos: photos
    property alias buttonBox: buttonBox
    readonly property bool mayRemove: !!GLOBAL && GLOBAL.securityState(media, "delete")

    signal closed()

    function pageFrame() {
        return typeof frameItem !== "undefined" ? frameItem : null;
    }

    // The provider's key of a photo of this page.
    function imageKey(id) {
        return media.objectNumber + "-" + id;
    }

    function isOwn(mapParams) {
        return String(mapParams["RECEIVER"]) === String(media.objectNumber);
    }

    function loadData() {
        var frame = pageFrame();
        var allowed = frame ? frame.checkSecurity(media) : GLOBAL.securityState(media, "read");
        if (!allowed)
            return;
        var params = { "rst_id_car": rst_id_car };
        if (rst_id_driver !== "1" && rst_id_driver !== "")
            params["rst_id_driver"] = rst_id_driver;
        if (media.trGetList(params) && frame)
            frame.startBusy();
    }

    function clearImages() {
        for (var i = 0; i < photos.count; ++i)
            IMAGE_PROVIDER.removeImage(photos.get(i).photo);
        photos.clear();
    }

    // The server sends the newest last: it goes first.
    function addPhoto(mapParams) {
        var id = String(mapParams["id"]);
        dropPhoto(id);
        var key = imageKey(id);
        IMAGE_PROVIDER.appendImage(key, String(mapParams["data"] || ""));
        photos.insert(0, { "id": id, "tag": String(mapParams["tag"] || ""), "photo": key,
                           "approved": String(mapParams["approved"] || "0"), "selected": false });
    }

    function dropPhoto(id) {
        for (var i = 0; i < photos.count; ++i) {
            if (photos.get(i).id === id) {
                IMAGE_PROVIDER.removeImage(photos.get(i).photo);
                photos.remove(i);
                return;
            }
        }
    }

    function removePhoto(id) {
        var question = Dialog.question(qsTr("Confirm removing photo"));
        if (!question)
            return;
        question.yes.connect(function () {
            media.trRemove({ "id": id });
            var frame = pageFrame();
            if (frame)
                frame.startBusy();
        });
    }

    function openViewer(index) {
        var keys = [];
        var tags = [];
        for (var i = 0; i < photos.count; ++i) {
            keys.push(photos.get(i).photo);
            tags.push(photos.get(i).tag);
        }
        var frame = pageFrame();
        return GLOBAL.createQmlFrame("qrc:/qml/driver/driver/photo/DriverPhotoViewer.qml", {
            "currentIndex": index, "ids": keys, "tags": tags, "editor": editor ? editor : frame,
            "parentItem": editor ? editor : frame, "isWindow": true, "isNewInstance": true
        });
    }

    Component.onDestruction: clearImages()

    Media {
        id: media

        useTrGetList: true
        onSaGetList: {
            if (!page.isOwn(mapParams))
                return;
            var state = String(mapParams["STATE"]);
            if (state === "start") {
                page.clearImages();
                return;
            }
            var frame = page.pageFrame();
            if (frame)
                frame.stopBusy();
            if (state !== "end")
                Errors.display(page, mapParams);
        }
        onSaListInfo: {
            if (page.isOwn(mapParams))
                page.addPhoto(mapParams);
        }
        onSaRemove: {
            var own = page.isOwn(mapParams);
            var frame = page.pageFrame();
            if (own && frame)
                frame.stopBusy();
            if (String(mapParams["RES"]) === "10")
                page.dropPhoto(String(mapParams["id"]));
            else if (own)
                Errors.display(page, mapParams);
        }
    }

    ListModel {
        id: photos
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        ScrollView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true

            Flow {
                id: tiles

                width: page.width
                padding: 10
                spacing: 10

                Repeater {
                    model: photos

                    delegate: Column {
                        objectName: "photoTile"
                        width: 150
                        spacing: 3

                        Image {
                            objectName: "photoImage"
                            width: 150
                            height: 150
                            fillMode: Image.PreserveAspectCrop
                            sourceSize: Qt.size(150, 150)
                            asynchronous: true
                            cache: false
                            source: "image://photo/" + model.photo

                            MouseArea {
                                anchors.fill: parent
                                onClicked: page.openViewer(index)
                            }

                            ToolButtonEx {
                                objectName: "removePhotoButton"
                                anchors.top: parent.top
                                anchors.right: parent.right
                                visible: page.mayRemove
                                contentItem: LabelIcon {
                                    glyph: FontAwesome.Trash
                                    bold: true
                                    horizontalAlignment: Text.AlignHCenter
                                    verticalAlignment: Text.AlignVCenter
                                }
                                onClicked: page.removePhoto(model.id)
                            }
                        }

                        LabelEx {
                            width: parent.width
                            horizontalAlignment: Text.AlignHCenter
                            wrapMode: Text.WordWrap
                            text: PhotoTags.caption(model.tag)
                        }
                    }
                }
            }
        }

        ButtonBox {
            id: buttonBox

            Layout.alignment: Qt.AlignHCenter
            Layout.margins: 5
            roles: [Enums.ButtonClose]
            onRejected: {
                if (page.editor)
                    page.editor.closed();
                else
                    page.closed();
            }
        }

        ItemSeparator {
            Layout.preferredHeight: 5
        }
    }
}
