import QtQuick 2.15
import "../../../js/utils.js" as Utils

// A cell of an amount: two decimals, digits grouped by three, a "+" before gains. With
// highlightRole, the amount of a row whose value of that role is "1" is drawn in highlightColor;
// it reads the row's own model, so the colour stays with its row through sorts and filters.
TableBaseDelegate {
    property bool useLeadingSign: true
    property bool posNegColor: false
    property string highlightRole
    property color highlightColor: "cyan"
    readonly property real number: Number(styleData.value)
    readonly property bool isHighlighted: highlightRole !== "" && !!model && String(model[highlightRole]) === "1"

    function priceText(amount) {
        if (amount === undefined || amount === null || String(amount) === "")
            return "";
        var text = Utils.formatNumber(Number(amount), 2, 3, " ", ".");
        return useLeadingSign && Number(amount) > 0 ? "+" + text : text;
    }

    value: priceText(styleData.value)
    horizontalAlignment: Text.AlignRight
    color: isHighlighted ? highlightColor : (posNegColor && number < 0 ? "red" : styleData.textColor)
}
