import QtQuick 2.15

// The filter controls of a table page.
Flow {
    padding: 5
    spacing: 5
}
