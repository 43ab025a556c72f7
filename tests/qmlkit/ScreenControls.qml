import QtQuick 2.15
import "qrc:/qml/components/base"

// Kit controls sized from their screen's height, `sets` of each: a button and a label hold their
// style as a child item, a tab bar and a menu as a property's value.
Column {
    property int sets: 1

    Repeater {
        model: sets

        Column {
            ButtonExBase { objectName: "sizedButton"; text: "Button" }
            LabelExBase { objectName: "sizedLabel"; text: "Label" }
            TabBarExBase { objectName: "sizedTabBar" }
            MenuExBase { objectName: "sizedMenu" }
        }
    }
}
