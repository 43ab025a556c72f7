import QtQuick 2.15

// A page made by a tab loader: the options it was made with and its data loads.
Item {
    property string owner
    property int loads: 0
    property Item tableContainerItem: Item {}

    function loadData() {
        ++loads;
    }
}
