import QtQuick 2.15
import "../../../js/utils.js" as Utils

// A cell of a number: digits grouped by three, precision decimals; with a precision below 0, a
// finite number as the value writes it (a coordinate keeps its digits). A number that is not
// finite shows as in every numeric cell: "∞", "-∞" or "NaN".
TableBaseDelegate {
    property int precision: 2

    // Replaceable: turns the cell's number into the number shown.
    function prepareValue(number) {
        return number;
    }

    function numberText(number) {
        if (number === undefined || number === null || String(number) === "")
            return "";
        var prepared = prepareValue(Number(number));
        if (precision < 0 && isFinite(prepared))
            return prepared === Number(number) ? String(number).trim() : String(prepared);
        return Utils.formatNumber(prepared, precision, 3, " ", ".");
    }

    value: numberText(styleData.value)
}
