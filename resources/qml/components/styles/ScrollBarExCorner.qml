import QtQuick 2.15
import QtQuick.Controls.Material 2.15

// The corner where a table's two scroll bars meet.
Rectangle {
    color: Material.background
}
