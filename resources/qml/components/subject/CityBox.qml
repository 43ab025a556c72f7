import QtQuick 2.15
import QtQuick.Layouts 1.15
import "pickers.js" as Pickers

// The city of a record, picked from the city list; selected(result) tells the page.
SubjectBox {
    id: box

    property string rst_id_city: "1"
    property alias city_name: nameField

    signal selected(var result)

    function openChooser() {
        return Pickers.openChooser("qrc:/qml/address/city/CityTable.qml", "SELECT", function (result) {
            var id = Pickers.resultId(result, "rst_id_city");
            if (id !== undefined)
                box.rst_id_city = id;
            box.selected(result);
        });
    }

    function openEditor() {
        return Pickers.openEditor("qrc:/qml/address/city/CityEditor.qml", rst_id_city, Pickers.pageFrame());
    }

    labelName: qsTr("City")
    isBrowseButton: true
    onClicked: openChooser()

    RecordName {
        id: recordName

        model: GLOBAL.city ? GLOBAL.city.originalModel : null
        recordId: box.rst_id_city
        role: "city_name"
    }

    SubjectField {
        id: nameField

        objectName: "city_name"
        legalText: recordName.text
        onBrowseRequested: box.clicked()
        onEditorRequested: box.openEditor()
    }
}
