import QtQuick 2.15

// A wrapping row of tool controls.
Flow {
    padding: 5
    spacing: 5
}
