.pragma library
// Whether a record belongs to a list as the server would have chosen it: the equality
// parameters of the list request that name columns of the record, and its "JSON_WHERE" groups.
// A parameter the record cannot answer (not one of its columns) does not count against it.

var listKeys = ["query_limit", "dt_utc_last_update", "_do_not_clear_model", "JSON_WHERE"];

function text(value) {
    return value === undefined || value === null ? "" : String(value);
}

function isNumber(value) {
    return /^\s*[-+]?(\d+\.?\d*|\.\d+)\s*$/.test(text(value));
}

// One expression of a "JSON_WHERE" group; undefined for an operation it does not know.
function matches(value, operation, expected) {
    var both = isNumber(value) && isNumber(expected);
    var a = both ? Number(value) : text(value);
    var b = both ? Number(expected) : text(expected);
    switch (operation) {
    case "=":
        return a === b;
    case "!=":
        return a !== b;
    case ">":
        return a > b;
    case ">=":
        return a >= b;
    case "<":
        return a < b;
    case "<=":
        return a <= b;
    case "contains":
        return text(value).toLowerCase().indexOf(text(expected).toLowerCase()) >= 0;
    case "not_contains":
        return text(value).toLowerCase().indexOf(text(expected).toLowerCase()) < 0;
    }
    return undefined;
}

function join(result, condition, next) {
    return condition === "or" ? result || next : result && next;
}

// Each expression joins the next one by its "condition", each group the next group by its own.
function passesWhere(row, where) {
    var groups;
    try {
        groups = JSON.parse(where);
    } catch (error) {
        return true;
    }
    if (!Array.isArray(groups))
        return true;
    var result = true;
    var groupCondition = "and";
    for (var g = 0; g < groups.length; ++g) {
        var expressions = groups[g] && Array.isArray(groups[g].expressions) ? groups[g].expressions : [];
        var groupResult = true;
        var condition = "and";
        var first = true;
        for (var e = 0; e < expressions.length; ++e) {
            var expression = expressions[e];
            if (!row.hasOwnProperty(expression.role))
                continue;
            var match = matches(row[expression.role], expression.operation, expression.value);
            if (match === undefined)
                continue;
            groupResult = first ? match : join(groupResult, condition, match);
            first = false;
            condition = text(expression.condition);
        }
        result = g === 0 ? groupResult : join(result, groupCondition, groupResult);
        groupCondition = text(groups[g] ? groups[g].condition : "and");
    }
    return result;
}

// row: the record's map; params: the list request's parameters.
function passes(row, params) {
    if (!params)
        return true;
    for (var key in params) {
        if (listKeys.indexOf(key) >= 0 || !row.hasOwnProperty(key))
            continue;
        var expected = params[key];
        if (expected !== null && typeof expected === "object")
            continue;
        if (!matches(row[key], "=", expected))
            return false;
    }
    return params.hasOwnProperty("JSON_WHERE") ? passesWhere(row, text(params["JSON_WHERE"])) : true;
}
