import QtQuick 2.15
import "qrc:/qml/components"
import "qrc:/qml/components/editor"
import "essentials"

// A driver and everything that belongs to the driver: its attributes, then its cars, balance,
// payments, paid services, sessions and photos. Those tabs wait for a saved record, load on
// their first visit, and are present only as far as their pages are carried.
Editor {
    id: editor

    property alias essentials: essentials
    property alias tabView: tabView
    // The tabs after "Essentials": title, page and the options the page gets.
    readonly property var moreTabs: [
        { "name": "carsTab", "title": qsTr("Cars"), "url": "qrc:/qml/driver/car/CarContainer.qml",
          "options": function () { return { "rst_id_driver": editor.id, "inEditor": true }; } },
        { "name": "balanceTab", "title": qsTr("Balance"), "url": "qrc:/qml/driver/driver/balance/DriverBalanceTable.qml",
          "options": function () { return { "rst_id_owner": editor.id }; } },
        { "name": "paymentsLogTab", "title": qsTr("Payments Log"),
          "url": "qrc:/qml/payment/payment-system-log/PaymentSystemLogContainer.qml",
          "options": function () { return { "rst_id_owner": editor.id, "inEditor": true }; } },
        { "name": "paidServicesTab", "title": qsTr("Paid services"),
          "url": "qrc:/qml/driver/driver-paid-service/DriverPaidServiceContainer.qml",
          "options": function () { return { "rst_id_owner": editor.id, "drv_sign": essentials.driverSign }; } },
        { "name": "sessionsTab", "title": qsTr("Sessions"),
          "url": "qrc:/qml/driver/driver-session/DriverSessionContainer.qml",
          "options": function () { return { "rst_id_owner": editor.id, "inEditor": true }; } },
        { "name": "photoTab", "title": qsTr("Photo"), "url": "qrc:/qml/driver/driver/photo/DriverPhoto.qml",
          "options": function () { return { "editor": editor, "rst_id_driver": editor.id }; } }
    ]

    form: essentials.form
    isDirty: essentials.isDirty
    onEnterPressed: essentials.buttonBox.enterPressed()
    Component.onCompleted: {
        for (var i = 0; i < moreTabs.length; ++i) {
            var tab = moreTabs[i];
            if (!DESKTOP_UTILS.resourceExists(tab["url"]))
                continue;
            var button = tabComponent.createObject(null, { "objectName": tab["name"], "text": tab["title"],
                                                          "url": tab["url"], "tabIndex": i });
            tabView.tabBar.addItem(button);
        }
    }

    TabViewEx {
        id: tabView

        anchors.fill: parent
        targetEditor: editor

        TabButtonEx {
            objectName: "essentialsTab"
            text: qsTr("Essentials")

            DriverEssentials {
                id: essentials
            }
        }
    }

    Component {
        id: tabComponent

        TabButtonEx {
            id: button

            property alias url: page.url
            // The entry of moreTabs: a function passes through no creation property.
            property int tabIndex: -1

            enabled: editor.id !== "0" && editor.id !== "" && editor.state !== "DUPLICATE"

            TabPageLoader {
                id: page

                pageOptions: function () { return editor.moreTabs[button.tabIndex]["options"](); }
            }
        }
    }
}
