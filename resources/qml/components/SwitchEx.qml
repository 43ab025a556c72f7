import "base"

// A switch with the legal-value pattern.
SwitchExBase {
    property string type: "switch"
    property bool legalChecked: false
    readonly property bool modify: checked !== legalChecked

    onLegalCheckedChanged: checked = legalChecked
}
