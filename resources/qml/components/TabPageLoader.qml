import QtQuick 2.15

// The page of an editor's tab that is made on the tab's first visit: the page at url with the
// options that pageOptions() gives then (the record's id is known by that time). The tab view
// asks it to load its data; the page's own loadData runs once the page is there.
Item {
    id: tab

    property url url
    // Replaceable: the page's options when it is made.
    property var pageOptions: function () { return ({}); }
    property bool isDataLoaded: false
    readonly property var page: loader.item
    readonly property var tableContainerItem: page && page.tableContainerItem !== undefined
                                              ? page.tableContainerItem : null

    function loadData() {
        if (loader.status === Loader.Null)
            loader.setSource(url, pageOptions());
        if (page && page.loadData)
            page.loadData();
    }

    Loader {
        id: loader

        anchors.fill: parent
    }
}
