import QtQuick 2.15

// The read-only id field of an editor; Tab passes it by.
TextFieldEx {
    implicitWidth: 80
    readOnly: true
    horizontalAlignment: TextInput.AlignHCenter
    activeFocusOnTab: false
}
