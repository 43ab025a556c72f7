import QtQuick 2.15
import Taldor 1.0

// The car brands; also their picker.
CarAttributeTable {
    title: qsTr("Car Brands")
    catalogue: carBrands
    tableSettingName: "CarBrandsTable"

    CarBrands {
        id: carBrands
    }
}
