import QtQuick 2.15

// A decimal number field: a typed comma becomes the decimal point.
TextFieldEx {
    id: field

    property real bottomValue: -Infinity

    horizontalAlignment: TextInput.AlignHCenter
    validator: DoubleValidator {
        bottom: field.bottomValue
        locale: "en"
    }
    onTextChanged: {
        var comma = text.indexOf(",");
        if (comma < 0)
            return;
        text = text.slice(0, comma) + "." + text.slice(comma + 1);
        deselect();
    }
}
