import QtQuick 2.15
import QtQuick.Layouts 1.15
import "dates.js" as Dates

// A date "dd.MM.yy" ("dd.MM.yyyy" with fourDigitYear) typed into a mask; jsDate follows the text.
// It starts on today's date of the server's clock.
TextFieldEx {
    id: field

    property bool fourDigitYear: false
    property var jsDate

    // An empty value would count as changed against the mask's empty "..".
    function setLegalText(value) {
        text = value;
        legalText = value === "" ? ".." : value;
    }

    inputMask: fourDigitYear ? "99.99.9999;_" : "99.99.99;_"
    validator: RegularExpressionValidator {
        regularExpression: field.fourDigitYear ? /^[0-3][0-9].[0-1][0-9].[0-9][0-9][0-9][0-9]$/
                                               : /^[0-3][0-9].[0-1][0-9].[0-9][0-9]$/
    }
    Layout.preferredWidth: 80
    onTextChanged: jsDate = Dates.parseDate(text, fourDigitYear)
    onChangeFinished: {
        if (inTable)
            legalText = text;
    }
    Component.onCompleted: {
        if (legalText === "")
            legalText = Dates.today(fourDigitYear ? "dd.MM.yyyy" : "dd.MM.yy");
    }
}
