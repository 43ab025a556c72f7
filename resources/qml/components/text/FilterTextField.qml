import QtQuick 2.15

// The filter field of a table: every change of its text filters the table's rows; Up and Down
// move through the rows while typing.
TextFieldEx {
    id: field

    // The table view whose rows it filters.
    property var table
    property bool ownSetFilterPattern: false

    signal enterPressed()

    placeholderText: qsTr("Filter")
    activeFocusOnTab: false
    onTextChanged: {
        // A filter has no saved value: Escape closes the filter row instead of undoing.
        legalText = text;
        if (!ownSetFilterPattern && table && table.model && table.model.setFilterPattern)
            table.model.setFilterPattern(text);
    }
    Keys.onDownPressed: {
        if (table)
            table.incrementRow();
    }
    Keys.onUpPressed: {
        if (table)
            table.decrementRow();
    }
    Keys.onReturnPressed: enterPressed()
    Keys.onEnterPressed: enterPressed()
}
