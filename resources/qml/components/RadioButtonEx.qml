import "base"

// A radio button with the legal-value pattern.
RadioButtonExBase {
    property bool legalChecked: false
    readonly property bool modify: checked !== legalChecked

    onLegalCheckedChanged: checked = legalChecked
}
