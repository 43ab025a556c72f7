import QtQuick 2.15
import "qrc:/qml/components"

// A tab's page that loads its data on its first visit and holds a table container.
NtFrame {
    property bool isDataLoaded: false
    property int loads: 0
    property int enters: 0
    property Item tableContainerItem: Item {}

    function loadData() {
        ++loads;
    }

    onEnterPressed: ++enters
}
