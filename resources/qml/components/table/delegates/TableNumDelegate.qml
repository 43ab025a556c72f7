import QtQuick 2.15
import "../../../js/utils.js" as Utils

// A cell of a number: digits grouped by three, precision decimals.
TableBaseDelegate {
    property int precision: 2

    // Replaceable: turns the cell's number into the number shown.
    function prepareValue(number) {
        return number;
    }

    function numberText(number) {
        if (number === undefined || number === null || String(number) === "")
            return "";
        return Utils.formatNumber(prepareValue(Number(number)), precision, 3, " ", ".");
    }

    value: numberText(styleData.value)
}
