import QtQuick 2.15
import "../../../js/utils.js" as Utils

// A cell of an amount: two decimals, digits grouped by three, a "+" before gains.
TableBaseDelegate {
    property bool useLeadingSign: true
    property bool posNegColor: false
    readonly property real number: Number(styleData.value)

    function priceText(amount) {
        if (amount === undefined || amount === null || String(amount) === "")
            return "";
        var text = Utils.formatNumber(Number(amount), 2, 3, " ", ".");
        return useLeadingSign && Number(amount) > 0 ? "+" + text : text;
    }

    value: priceText(styleData.value)
    horizontalAlignment: Text.AlignRight
    color: posNegColor && number < 0 ? "red" : styleData.textColor
}
