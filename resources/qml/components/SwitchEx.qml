import "base"

// A switch with the legal-value pattern.
SwitchExBase {
    property string type: "switch"
    property bool legalChecked: false
    readonly property bool modify: checked !== legalChecked

    // The saved value: both the legal and the shown state.
    function setLegalValue(value) {
        legalChecked = value === true || value === "1" || value === 1;
        checked = legalChecked;
    }

    onLegalCheckedChanged: checked = legalChecked
}
