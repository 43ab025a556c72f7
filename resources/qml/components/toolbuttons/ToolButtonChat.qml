import QtQuick 2.15
import ".."
import "../../js/fontawesome.js" as FontAwesome

// The chat button of the dispatcher client, with its unread count.
ToolButtonBase {
    fontIcon: FontAwesome.Comments
    fontBold: true
    iconSize: 25
    iconColor: "lightgray"
    width: 50

    CountIndicator {
        count: APP_HOST === "taldor" && typeof chatManager !== "undefined" && chatManager ? chatManager.count : 0
    }
}
