import QtQuick 2.15
import "qrc:/qml/components"

NtFrame {
    title: "Broken"
    notAProperty: 3
}
