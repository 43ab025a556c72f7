import "base"

// The tab bar of the kit's tab view. Each tab is as wide as its title needs, the room left over
// shared out among the tabs; with too little room the bar scrolls rather than cut a title.
TabBarExBase {
    id: bar

    // The width that shows every title whole, spacing included.
    readonly property real titlesWidth: {
        var sum = 0;
        for (var i = 0; i < contentChildren.length; ++i)
            sum += contentChildren[i].implicitWidth;
        return sum + Math.max(0, contentChildren.length - 1) * spacing;
    }

    // Assigned, not bound: a tab's width moves the bar's own layout, which a binding would loop on.
    function layoutTabs() {
        var spare = Math.max(0, availableWidth - titlesWidth) / Math.max(1, contentChildren.length);
        for (var i = 0; i < contentChildren.length; ++i)
            contentChildren[i].width = contentChildren[i].implicitWidth + spare;
    }

    // From the titles, not from the tabs' widths, which follow the bar's.
    implicitWidth: titlesWidth + leftPadding + rightPadding
    onTitlesWidthChanged: layoutTabs()
    onAvailableWidthChanged: layoutTabs()
    onContentChildrenChanged: layoutTabs()
}
