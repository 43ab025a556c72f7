.pragma library
// From a server controller name to the QML type the application registers for it.

// This program's controllers.
var typeNamesNorvik = {
    "carBodyTypes": "CarBodyTypes",
    "carBrands": "CarBrands",
    "carColors": "CarColors",
    "city": "City",
    "cmpbg": "CompanyBalanceGroup",
    "cmpbl": "CompanyBalanceLog",
    "cmpbt": "CompanyBalanceType",
    "company": "Company",
    "dbg": "DriverBalanceGroup",
    "dbl": "DriverBalanceLog",
    "dbt": "DriverBalanceType",
    "driver": "Driver",
    "driverBalanceTransfer": "DriverBalanceTransfer",
    "driverGroup": "DriverGroup",
    "driverPaidService": "DriverPaidService",
    "driverPaidServiceType": "DriverPaidServiceType",
    "driverRatingCoefficient": "DriverRatingCoefficient",
    "driverRatingLog": "DriverRatingLog",
    "driverSession": "DriverSession",
    "media": "Media",
    "notification": "Notification",
    "notificationMessage": "NotificationMessage",
    "notificationType": "NotificationType",
    "paymentSysAccComp": "PaymentSystemAccount",
    "paymentSysDriversPaymentsLog": "PaymentSystemLog",
    "paymentSystem": "PaymentSystem",
    "terminalCmp": "TerminalCompany",
    "ug": "UserGroup",
    "ugso": "UserGroupSecurityOption",
    "user": "User",
    "userGuiSession": "UserGuiSession",
    "uso": "UserSecurityOption",
    "value": "Value",
    "version": "Version"
};

// The dispatcher client's controllers: the name with its first letter in upper case, except
// the rows below.
var typeNamesTaldor = (function () {
    var names = ["activeCall", "address", "astSrv", "carBodyTypes", "carBrands", "carColors",
        "card", "cardBalanceGroup", "cardBalanceLog", "cardBalanceType", "cardGroup", "cci", "cdr",
        "chat", "chatAccess", "chatAdmin", "chatGroup", "city", "client", "clientGroup",
        "clientGroupOutNotifyCall", "clientRatingLog", "cmpbg", "cmpbl", "cmpbt", "company",
        "companyCar", "cts", "dbg", "dbl", "dbt", "drbl", "driver", "driverDutyCalendar",
        "driverDutyGroup", "driverDutySelection", "driverRatingLog", "driverShift", "driverTariff",
        "driverTariffGroup", "dtc", "et", "firstTariff", "fondyStatusLog", "media", "notification",
        "notificationType", "order", "orderCompleted", "orderCompletedLog", "orderCompletedType",
        "orderFT", "orderIncompleted", "orderST", "orderService", "orderStatistic", "orderTZ",
        "orderWP", "orderZone", "osl", "paymentSysAccComp", "paymentSystem", "secondTariff", "sms",
        "smsCompany", "street", "streetType", "tariffSchedule", "tariffScheduleRule",
        "tariffScheduleSet", "tariffZone", "terminal", "track", "ubg", "ubl", "ubt", "ug", "ugso",
        "usa", "usaOutCallsCompanySipAcc", "user", "userDuty", "userDutyType", "userGuiSession",
        "userObjectsSetting", "userPlaningDutyJournal", "userSession", "uslt", "uso", "zone"];
    var exceptions = {
        "cci": "CompanyCaller",
        "cdr": "CallDetailRecord",
        "cts": "CashTerminalStatistics",
        "drbl": "DriverRefillBalanceLog",
        "dtc": "DriverTariffConnection",
        "et": "EncashTerminal",
        "orderWP": "OrderWayPoints",
        "osl": "OrderStatusLog",
        "ubg": "UserBalanceGroup",
        "ubl": "UserBalanceLog",
        "ubt": "UserBalanceType",
        "usa": "UserSipAccount",
        "usaOutCallsCompanySipAcc": "OutgoingCallsCompanySipAccount",
        "uslt": "UserSalaryTariff",
        "orderCompletedLog": "",
        "userObjectsSetting": ""
    };
    var table = {};
    for (var i = 0; i < names.length; ++i) {
        var name = names[i];
        if (exceptions.hasOwnProperty(name))
            table[name] = exceptions[name];
        else if (typeNamesNorvik.hasOwnProperty(name))
            table[name] = typeNamesNorvik[name];
        else
            table[name] = name.charAt(0).toUpperCase() + name.slice(1);
    }
    return table;
})();
