// Formatting and object helpers of the pages, the list-filter builder and the controller look-up.
// Imported per page: it reads the page's context properties APP_HOST and GLOBAL.
.import QtQuick 2.15 as QQ
.import "controllers.js" as Controllers

// The label of a pseudo-row (all groups, all companies); the row takes id 1, the placeholder, which
// the lists sort before every other row.
function wrapNameWithAll(name) {
    return "[" + name + "]";
}

function pad2(value) {
    return (value < 10 ? "0" : "") + value;
}

// Whole seconds of a number or a decimal text; 0 for anything else or below zero.
function wholeSeconds(value) {
    var seconds = Math.floor(Number(value));
    return isFinite(seconds) && seconds > 0 ? seconds : 0;
}

function formatMMSS(value) {
    var seconds = Math.min(wholeSeconds(value), 3599);
    return pad2(Math.floor(seconds / 60)) + ":" + pad2(seconds % 60);
}

function formatHHMM(value) {
    var seconds = wholeSeconds(value);
    return pad2(Math.floor(seconds / 3600)) + ":" + pad2(Math.floor(seconds % 3600 / 60));
}

function formatHHMMSS(value) {
    var seconds = wholeSeconds(value);
    return Math.floor(seconds / 3600) + ":" + pad2(Math.floor(seconds % 3600 / 60)) + ":"
            + pad2(seconds % 60);
}

// The number with n decimals, the integer digits grouped by x with s between groups and the
// decimal mark c: formatNumber(1234567.891, 2) is "1,234,567.89". What is no finite number
// shows as what it is: "∞", "-∞" or "NaN".
function formatNumber(value, n, x, s, c) {
    var number = Number(value);
    if (!isFinite(number))
        return isNaN(number) ? "NaN" : (number > 0 ? "\u221e" : "-\u221e");
    // toFixed writes these with an exponent, which has no digits to group.
    if (Math.abs(number) >= 1e21)
        return String(number);
    var decimals = Math.max(0, Math.trunc(Number(n) || 0));
    var group = x ? Math.trunc(x) : 3;
    var separator = s === undefined ? "," : s;
    var text = number.toFixed(decimals);
    var negative = text.charAt(0) === "-";
    if (negative)
        text = text.slice(1);
    var point = text.indexOf(".");
    var integer = point < 0 ? text : text.slice(0, point);
    var fraction = point < 0 ? "" : text.slice(point + 1);
    var grouped = "";
    while (integer.length > group) {
        grouped = separator + integer.slice(-group) + grouped;
        integer = integer.slice(0, -group);
    }
    grouped = integer + grouped;
    var result = (negative ? "-" : "") + grouped;
    if (fraction.length > 0)
        result += (c ? c : ".") + fraction;
    return result;
}

// Creates the component at url as a child of parent; the caller's map is not changed.
function createDynamicObject(parent, url, properties) {
    var component = Qt.createComponent(url);
    if (component.status !== QQ.Component.Ready) {
        console.warn(component.errorString());
        return undefined;
    }
    var initial = {};
    appendProp2Object(properties, initial);
    if (parent instanceof QQ.Item)
        initial["parent"] = parent;
    if (!initial["parentItem"])
        initial["parentItem"] = parent;
    var object = component.createObject(parent, initial);
    if (!object)
        console.warn(component.errorString());
    return object;
}

// "hh:mm" of that many seconds after midnight.
function setSecondsTime(secondsTime) {
    return formatHHMM(wholeSeconds(secondsTime) % 86400);
}

// "hh:mm:ss" of a duration, hours modulo 24; with withMs the tenths of a second follow.
function msToTime(duration, withMs) {
    var ms = Math.max(0, Math.floor(Number(duration) || 0));
    var tenths = Math.floor(ms % 1000 / 100);
    var seconds = Math.floor(ms / 1000) % 60;
    var minutes = Math.floor(ms / 60000) % 60;
    var hours = Math.floor(ms / 3600000) % 24;
    var text = pad2(hours) + ":" + pad2(minutes) + ":" + pad2(seconds);
    return withMs ? text + "." + tenths : text;
}

// The date at the start of its day, or nothing when the three numbers form no real date (month
// from 0). The numbers are checked at noon, which every zone's clock passes: where daylight
// saving starts at midnight the day starts at 01:00, and the engine puts that midnight an hour
// early, on the day before.
function createDate(year, month, date) {
    var noon = new Date(year, month, date, 12);
    if (noon.getFullYear() !== Number(year) || noon.getMonth() !== Number(month)
            || noon.getDate() !== Number(date))
        return undefined;
    var start = new Date(year, month, date);
    if (start.getDate() !== noon.getDate())
        start = new Date(start.getTime() + ((24 - start.getHours()) * 60 - start.getMinutes()) * 60000);
    return start;
}

// The first descendant with that object name, depth first.
function findChild(object, objectName) {
    if (!object || !object.children)
        return undefined;
    for (var i = 0; i < object.children.length; ++i) {
        var child = object.children[i];
        if (child.objectName === objectName)
            return child;
        var found = findChild(child, objectName);
        if (found)
            return found;
    }
    return undefined;
}

// The argument of DESKTOP_UTILS.writeToExcel: the controller and the visible columns.
function prepareExportData(table) {
    var view = table.tableView;
    var columns = [];
    for (var i = 0; i < view.columnCount; ++i) {
        var column = view.getColumn(i);
        if (column && column.visible)
            columns.push({ "role": column.role, "title": column.title, "width": column.width });
    }
    return { "controller": table.controller, "table": columns };
}

// The number's text left-padded with "0" to width characters, a decimal point not counted.
function zeroFill(number, width) {
    var text = String(number);
    var length = text.indexOf(".") < 0 ? text.length : text.length - 1;
    var missing = width - length;
    return missing > 0 ? "0".repeat(missing) + text : text;
}

function isNumeric(value) {
    return !isNaN(parseFloat(value)) && isFinite(value);
}

function appendProp2Object(src, dst) {
    if (src === undefined || src === null)
        return;
    for (var key in src)
        dst[key] = src[key];
}

// The builder of a list request's "JSON_WHERE": groups of expressions joined by conditions.
function createJSONRequest() {
    return {
        expressions: [],
        groups: [],
        addExpr: function (role, operation, value, condition) {
            this.expressions.push({ "role": role, "operation": operation, "value": value,
                                    "condition": condition ? condition : "and" });
        },
        addGroup: function (condition) {
            this.groups.push({ "condition": condition, "expressions": this.expressions });
            this.expressions = [];
        },
        commit: function () {
            if (this.expressions.length > 0)
                this.addGroup("and");
            return { "JSON_WHERE": JSON.stringify(this.groups) };
        }
    };
}

// The JSON text of the map; JSON itself escapes quotes and backslashes.
function secureStringify(obj) {
    return JSON.stringify(obj);
}

function cleanupIllegalCarProperty(params) {
    delete params["system_note"];
    return params;
}

// A new controller object of the QML type registered for the server controller name.
function getControllerByName(name, parent) {
    var table = APP_HOST === "taldor" ? Controllers.typeNamesTaldor : Controllers.typeNamesNorvik;
    var type = table.hasOwnProperty(name) ? table[name] : "";
    if (!type)
        return null;
    return Qt.createQmlObject("import QtQuick 2.15; import Taldor 1.0; %1 {}".arg(type), parent);
}

function fullName(id, model) {
    if (id === undefined || id === null || String(id) === "")
        return "";
    var parts = [];
    var roles = ["last_name", "first_name", "middle_name"];
    for (var i = 0; i < roles.length; ++i) {
        var part = model.data("id", String(id), roles[i]);
        if (part !== undefined && part !== null && String(part) !== "")
            parts.push(String(part));
    }
    return parts.join(" ").trim();
}

function fullNameSign(id, model) {
    if (id === undefined || id === null || String(id) === "")
        return "";
    return fullName(id, model) + " (" + model.data("id", String(id), "sign") + ")";
}

function timeToMins(time) {
    var parts = String(time).split(":");
    return parseInt(parts[0], 10) * 60 + parseInt(parts[1], 10);
}

function minsToTime(mins) {
    return zeroFill(Math.floor(mins / 60), 2) + ":" + zeroFill(mins % 60, 2);
}

function capitalize(string) {
    var text = String(string);
    return text.charAt(0).toUpperCase() + text.slice(1);
}

// The address of a GET with params as the encoded JSON text of its "params" query item.
function paramsUrl(url, params) {
    if (params === undefined || params === null)
        return url;
    return url + "?params=" + encodeURIComponent(JSON.stringify(params));
}

// An asynchronous GET; callback gets the request once it is complete.
function httpRequest(url, params, callback) {
    var request = new XMLHttpRequest();
    var address = paramsUrl(url, params);
    request.onreadystatechange = function () {
        if (request.readyState === XMLHttpRequest.DONE)
            callback(request);
    };
    request.open("GET", address);
    request.send();
    return request;
}

// Captions of the car columns from the driver controller's catalogue, and a few fixed ones.
function carLabels() {
    var model = GLOBAL.driver.originalModel;
    var labels = {};
    var roles = ["sign", "brand_name", "car_model", "car_place_amount", "color_name",
                 "car_identifier", "spd", "status"];
    for (var i = 0; i < roles.length; ++i)
        labels[roles[i]] = model.roleTitle(roles[i]);
    labels["name"] = qsTr("Name");
    labels["balance"] = qsTr("Balance");
    labels["phone"] = qsTr("Phone");
    labels["send_message"] = qsTr("Send message");
    return labels;
}
