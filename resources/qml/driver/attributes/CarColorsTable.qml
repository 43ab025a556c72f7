import QtQuick 2.15
import Taldor 1.0

// The car colours; also their picker.
CarAttributeTable {
    title: qsTr("Car Colors")
    catalogue: carColors
    tableSettingName: "carColorsTable"
    hasColor: true

    CarColors {
        id: carColors
    }
}
