import QtQuick 2.15
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"

// The columns of the driver tables (working drivers and the archive); Edit and a double click
// open the driver editor.
TableViewBase {
    id: view

    // The group and city columns show only while their filter is "all".
    function showFilterColumns(allGroups, allCities) {
        groupColumn.visible = allGroups;
        cityColumn.visible = allCities;
    }

    editorUrl: "qrc:/qml/driver/driver/DriverEditor.qml"

    TableViewColumnId {}
    TableViewColumnLocked {}
    TableViewColumnDriverStatus {}
    TableViewColumnEx { id: groupColumn; role: "group_name"; width: 140 }
    TableViewColumnEx { id: cityColumn; role: "city_name"; width: 140 }
    TableViewColumnEx { role: "sign"; width: 60 }
    TableViewColumnEx { role: "last_name"; width: 140 }
    TableViewColumnEx { role: "first_name"; width: 140 }
    TableViewColumnEx { role: "middle_name"; width: 140 }
    TableViewColumnEx { role: "body_type_name"; width: 120 }
    TableViewColumnEx { role: "brand_name"; width: 120 }
    TableViewColumnEx { role: "car_model" }
    TableViewColumnEx { role: "car_year"; width: 50 }
    TableViewColumnEx { role: "system_note"; width: 60 }
    TableViewColumnEx { role: "color_rgb_code"; width: 40; delegate: TableColorDelegate {} }
    TableViewColumnEx { role: "color_name"; width: 120 }
    TableViewColumnEx { role: "car_identifier"; width: 90 }
    TableViewColumnEx { role: "car_company_name"; width: 40 }
    TableViewColumnEx { role: "balance"; delegate: TablePriceDelegate { posNegColor: true } }
    TableViewColumnEx { role: "phone" }
    TableViewColumnEx { role: "phone2" }
    TableViewColumnEx { role: "rating"; delegate: TableNumDelegate {} }
    TableViewColumnEx { role: "availabe_bank_cards"; width: 60; delegate: TableYesIconDelegate {} }
    TableViewColumnEx { role: "use_bank_card"; width: 60; delegate: TableYesIconDelegate {} }
    TableViewColumnEx { role: "override_duty_amount"; width: 60; delegate: TableYesIconDelegate {} }
    TableViewColumnEx { role: "duty_amount"; width: 40 }
    TableViewColumnEx { role: "override_duty_amount_temp"; width: 60; delegate: TableYesIconDelegate {} }
    TableViewColumnEx { role: "duty_amount_temp"; width: 40 }
    TableViewColumnEx { role: "lat"; width: view.latLonWidth; delegate: TableNumDelegate { precision: -1 } }
    TableViewColumnEx { role: "lon"; width: view.latLonWidth; delegate: TableNumDelegate { precision: -1 } }
    TableViewColumnEx { role: "alt"; width: view.latLonWidth; delegate: TableNumDelegate { precision: -1 } }
    TableViewColumnEx { role: "spd"; delegate: TableNumDelegate { precision: -1 } }
    TableViewColumnEx { role: "course"; delegate: TableNumDelegate { precision: -1 } }
    TableViewColumnEx { role: "inner_note"; width: view.descriptionWidth }
    TableViewColumnEx { role: "use_utc_offset"; width: 80; delegate: TableYesIconDelegate {} }
    TableViewColumnEx { role: "utc_offset"; width: 80; delegate: TableUTCDelegate {} }
    TableViewColumnEx { role: "recommender" }
    TableViewColumnEx { role: "is_automatic_archive"; delegate: TableYesIconDelegate {} }
    TableViewColumnEx { role: "is_order_receiving_priority"; delegate: TableYesIconDelegate {} }
    TableViewColumnEx { role: "dt_utc_shift_begin"; width: view.timeWidth; delegate: TableDateDelegate {} }
    TableViewColumnEx { role: "dt_utc_shift_expected_complete"; width: view.timeWidth; delegate: TableDateDelegate {} }
    TableViewColumnEx { role: "dt_utc_shift_complete"; width: view.timeWidth; delegate: TableDateDelegate {} }
    TableViewColumnUpdateTime {}
    TableViewColumnInsertTime {}
}
