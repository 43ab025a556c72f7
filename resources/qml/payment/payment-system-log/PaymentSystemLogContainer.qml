import QtQuick 2.15
import Taldor 1.0
import "qrc:/qml/components"
import "qrc:/qml/components/table"
import "qrc:/qml/components/table/delegates"
import "qrc:/qml/components/table/tableviewcolumns"
import "qrc:/qml/components/text"
import "qrc:/qml/components/toolbuttons"
import "qrc:/qml/js/errors.js" as Errors
import "qrc:/qml/js/utils.js" as Utils

// Drivers' payments through the payment providers, filtered by company, payment system and
// period; in the driver editor, those of one driver. The log is asked for once both filter
// lists are there (each with its "all" entry first), so the stored choices apply to the first
// list; a refused filter list leaves only its "all" entry and never keeps the page waiting.
TableContainer {
    id: container

    property string rst_id_owner: "1"
    property string rst_id_company: "1"
    property string rst_id_payment_system: "1"
    property bool inEditor: false
    property alias companies: companies
    property alias paymentSystems: paymentSystems
    property alias logs: logs
    property alias tableView: logView
    property alias companyBox: companyBox
    property alias paymentSystemBox: paymentSystemBox
    property alias period: period
    // Standalone the page starts with its settings; in the editor, when its tab is first shown.
    isShown: !inEditor
    // The filter lists: asked for, and arrived (or refused).
    property bool filtersAsked: false
    property bool companiesArrived: false
    property bool paymentSystemsArrived: false
    readonly property bool filtersArrived: companiesArrived && paymentSystemsArrived
    property bool isLogAsked: false

    function loadData() {
        startShown(logView, objectSettings ? objectSettings : {});
    }

    // The filter lists first; the log once both are there.
    function loadLists() {
        if (!isShown)
            return;
        if (!filtersAsked)
            askFilters();
        else if (filtersArrived)
            askLog();
    }

    function frame() {
        return typeof frameItem !== "undefined" ? frameItem : null;
    }

    function setBusy(on) {
        var page = frame();
        if (page && on)
            page.startBusy();
        else if (page)
            page.stopBusy();
    }

    function askFilters() {
        filtersAsked = true;
        setBusy(true);
        if (!companies.trGetList(Utils.createJSONRequest().commit(), true))
            filterListDone(companies);
        if (!paymentSystems.trGetList(Utils.createJSONRequest().commit(), true))
            filterListDone(paymentSystems);
    }

    function askLog() {
        if (logView.getNewList())
            isLogAsked = true;
    }

    function isOwn(controller, mapParams) {
        return String(mapParams["RECEIVER"]) === String(controller.objectNumber);
    }

    // A list answer that is neither its start nor its end: a refusal.
    function isRefusal(mapParams) {
        var result = mapParams["RES"];
        if (result !== undefined && result !== null && String(result) !== "")
            return String(result) !== "10";
        var state = String(mapParams["STATE"]);
        return state !== "start" && state !== "end";
    }

    function onFilterList(controller, mapParams) {
        if (!isOwn(controller, mapParams))
            return;
        if (isRefusal(mapParams)) {
            filterListDone(controller);
            Errors.display(container, mapParams);
        } else if (String(mapParams["STATE"]) === "end") {
            filterListDone(controller);
        }
    }

    // The list's "all" entry first and the stored choice (before the first log); the log once
    // both lists are there.
    function filterListDone(controller) {
        var isCompanies = controller === companies;
        if (isCompanies ? companiesArrived : paymentSystemsArrived)
            return;
        var role = isCompanies ? "company_name" : "name";
        var all = { "id": "1" };
        all[role] = Utils.wrapNameWithAll(isCompanies ? qsTr("All companies") : qsTr("All payment systems"));
        controller.originalModel.addRow(all);
        controller.proxyModel.sortRows(role, Qt.AscendingOrder);
        if (!isLogAsked) {
            choose(isCompanies ? companyBox : paymentSystemBox, controller,
                   isCompanies ? rst_id_company : rst_id_payment_system);
        }
        if (isCompanies)
            companiesArrived = true;
        else
            paymentSystemsArrived = true;
        if (!filtersArrived)
            return;
        setBusy(false);
        askLog();
    }

    // The row of the id, else the "all" entry.
    function choose(box, controller, id) {
        var row = controller.proxyModel.checkValueByRole("id", String(id));
        if (row < 0)
            row = controller.proxyModel.checkValueByRole("id", "1");
        box.currentIndex = row;
    }

    function chosenId(box, controller) {
        if (box.currentIndex < 0)
            return "1";
        var id = controller.proxyModel.data(box.currentIndex, "id");
        return id === undefined || id === null || String(id) === "" ? "1" : String(id);
    }

    function companyId() {
        return companiesArrived ? chosenId(companyBox, companies) : rst_id_company;
    }

    function paymentSystemId() {
        return paymentSystemsArrived ? chosenId(paymentSystemBox, paymentSystems) : rst_id_payment_system;
    }

    function onFilterChosen() {
        if (isLogAsked)
            reload();
    }

    function restoreFilters(settings) {
        if (settings["rst_id_company"] !== undefined)
            rst_id_company = String(settings["rst_id_company"]);
        if (settings["rst_id_payment_system"] !== undefined)
            rst_id_payment_system = String(settings["rst_id_payment_system"]);
        var page = frame();
        if (page && page.isGuiSessionMode)
            period.restore(settings["time"]);
    }

    function storeFilters(settings) {
        settings["rst_id_company"] = companyId();
        settings["rst_id_payment_system"] = paymentSystemId();
        var page = frame();
        if (page && page.isGuiSessionMode)
            settings["time"] = period.settings();
    }

    objectsSettingName: "PaymentSystemLogTable"
    tables: [logTable]

    Company {
        id: companies

        useTrGetList: true
        onSaListInfo: {
            if (container.isOwn(companies, mapParams))
                originalModel.addRow(mapParams);
        }
        onSaGetList: container.onFilterList(companies, mapParams)
    }

    PaymentSystem {
        id: paymentSystems

        useTrGetList: true
        onSaListInfo: {
            if (container.isOwn(paymentSystems, mapParams))
                originalModel.addRow(mapParams);
        }
        onSaGetList: container.onFilterList(paymentSystems, mapParams)
    }

    PaymentSystemLog {
        id: logs

        useTrGetList: true
        autoUpdate: !container.inEditor && container.isLogAsked
        autoUpdateInterval: 10
    }

    Table {
        id: logTable

        anchors.fill: parent
        toolBar: ToolBarEx {
            ToolButtonEdit { objectName: "editButton"; isEditable: false }
            ToolButtonExcel { objectName: "excelButton" }
        }
        filterToolBar: RowFilterToolBar {
            ComboBoxEx {
                id: companyBox

                objectName: "companyBox"
                width: 250
                model: companies.proxyModel
                textRole: "company_name"
                ignoreUpdateModel: true
                onActivated: container.onFilterChosen()
            }
            ComboBoxEx {
                id: paymentSystemBox

                objectName: "paymentSystemBox"
                width: 200
                model: paymentSystems.proxyModel
                textRole: "name"
                ignoreUpdateModel: true
                onActivated: container.onFilterChosen()
            }
            StartEndDateTime {
                id: period

                objectName: "period"
                onChangeFinished: container.onFilterChosen()
            }
        }
        tableView: TableViewBase {
            id: logView

            // The chosen company, payment system and driver ("1": all) over the period.
            function listParams() {
                var request = Utils.createJSONRequest();
                var filters = filterParams({ "rst_id_company": container.companyId(),
                                             "rst_id_payment_system": container.paymentSystemId(),
                                             "rst_id_owner": container.rst_id_owner });
                for (var role in filters)
                    request.addExpr(role, "=", filters[role]);
                request.addExpr("dt_utc_insert", ">=", String(period.startUtcMsec()));
                request.addExpr("dt_utc_insert", "<=", String(period.endUtcMsec()));
                return request.commit();
            }

            controller: logs
            editorUrl: "qrc:/qml/payment/payment-system-log/PaymentSystemLogEditor.qml"
            isConditionList: true

            TableViewColumnId {}
            TableViewColumnLocked {}
            TableViewColumnEx { role: "company_name"; width: logView.nameWidth }
            TableViewColumnEx { role: "ps_name"; width: 120 }
            TableViewColumnEx { role: "sign"; width: 100 }
            TableViewColumnEx { role: "amount"; width: 100; delegate: TableNumDelegate {} }
            TableViewColumnEx { role: "is_successfully"; width: 80; delegate: TableYesIconDelegate {} }
            TableViewColumnEx { role: "is_completed"; width: 80; delegate: TableYesIconDelegate {} }
            TableViewColumnEx { role: "dt_expired_date"; width: logView.timeWidth; delegate: TableDateDelegate {} }
            TableViewColumnEx { role: "ext_pay_id"; width: 100 }
            TableViewColumnEx { role: "trn_key"; width: 120 }
            TableViewColumnEx { role: "data"; width: 160 }
            TableViewColumnEx { role: "response"; width: 160 }
            TableViewColumnEx { role: "dt_last_status_check"; width: logView.timeWidth; delegate: TableDateDelegate {} }
            TableViewColumnUpdateTime {}
            TableViewColumnInsertTime {}
        }
    }
}
