import "base"

// The kit's text label.
LabelExBase {
    property string type: "label"
}
