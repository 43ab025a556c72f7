import QtQml 2.15

// One field value of a form that has no visible control, with the legal-value pattern.
QtObject {
    property string legalValue: "1"
    property string value: "1"
    readonly property bool modify: value !== legalValue

    function setLegalValue(newValue) {
        legalValue = newValue;
        value = newValue;
    }
}
