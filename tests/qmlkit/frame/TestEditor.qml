import QtQuick 2.15
import "qrc:/qml/components"

// An editor frame as the tab view sees it: a record id, a state, and the calls of its close.
NtFrame {
    property string id: "5"
    property bool isDirty: false
    property int closeActions: 0

    function closeAction() {
        ++closeActions;
    }
}
