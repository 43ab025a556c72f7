import QtQuick 2.15
import ".."
import "../delegates"

// A driver's status text, coloured by the numeric status of its row (the text is translated):
// free bright green, busy yellow, on an order red, SOS white, any other gray.
TableViewColumnEx {
    role: "status_string"
    width: 60
    delegate: TableCenterDelegate {
        color: {
            switch (model ? String(model["status"]) : "") {
            case "1000":
                return GLOBAL.style.brightGreenColor;
            case "2200":
                return "yellow";
            case "2000":
                return "red";
            case "3000":
                return "white";
            }
            return "gray";
        }
    }
}
