import QtQuick 2.15
import QtQuick.Controls 2.15

// A GroupBox of the kit; it has no size of its own.
GroupBox {
    property StyleHandler style: StyleHandler {}
}
