import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../js/utils.js" as Utils

// A clock time "hh:mm" typed into a mask. Inside a table a finished change becomes the legal
// value at once.
TextFieldEx {
    function setSecondsTime(seconds) {
        legalText = Utils.setSecondsTime(seconds);
    }

    function getSecondsTime() {
        var parts = text.split(":");
        return parseInt(parts[0], 10) * 3600 + parseInt(parts[1], 10) * 60;
    }

    legalText: "00:00"
    inputMask: "99:99;_"
    horizontalAlignment: TextInput.AlignHCenter
    validator: RegularExpressionValidator { regularExpression: /^([0-1]?[0-9]|2[0-3]):[0-5][0-9]$/ }
    Layout.preferredWidth: 50
    onChangeFinished: {
        if (inTable)
            legalText = text;
    }
}
