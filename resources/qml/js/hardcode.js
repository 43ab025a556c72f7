.pragma library
// Fixed lists of the pages: payment providers, order type icons, month names and so on.

var paymentSystems = [
    { "name": "LiqPay", "code": "lqp", "api_url": "", "checkout_url": "https://www.liqpay.ua/api/3/checkout" },
    { "name": "EasyPay", "code": "esp", "api_url": "", "checkout_url": "" },
    { "name": "City24", "code": "city24", "api_url": "", "checkout_url": "" },
    { "name": "Fondy", "code": "fondy", "api_url": "https://pay.fondy.eu/api", "checkout_url": "" }
];

var orderTypeIcons = [
    { "id": 1, "url": "qrc:/images/cars-tariff/car_tariff_standart.svg" },
    { "id": 2, "url": "qrc:/images/cars-tariff/car_tariff_comfort.svg" },
    { "id": 3, "url": "qrc:/images/cars-tariff/car_tariff_universal.svg" },
    { "id": 4, "url": "qrc:/images/cars-tariff/car_tariff_minivan.svg" },
    { "id": 5, "url": "qrc:/images/cars-tariff/car_tariff_minibus.svg" },
    { "id": 6, "url": "qrc:/images/cars-tariff/car_tariff_driver.svg" }
];

var monthNames = {
    1: qsTr("January"),
    2: qsTr("February"),
    3: qsTr("March"),
    4: qsTr("April"),
    5: qsTr("May"),
    6: qsTr("June"),
    7: qsTr("July"),
    8: qsTr("August"),
    9: qsTr("September"),
    10: qsTr("October"),
    11: qsTr("November"),
    12: qsTr("December")
};

var fondyStatuses = {
    0: "",
    10: qsTr("Status"),
    20: qsTr("Hold"),
    30: qsTr("Capture"),
    40: qsTr("Buy"),
    50: qsTr("Reverse"),
    60: qsTr("Peer to peer")
};

var zoneColor = "#c0c0c0";

var chatFilters = {
    0: qsTr("Current"),
    1: qsTr("Resolved"),
    2: qsTr("Not resolved"),
    3: qsTr("Deleted")
};
