import QtQuick 2.15
import Taldor 1.0

// The car body types; also their picker.
CarAttributeTable {
    title: qsTr("Car Body Types")
    catalogue: carBodyTypes
    tableSettingName: "CarBodyTypesTable"

    CarBodyTypes {
        id: carBodyTypes
    }
}
