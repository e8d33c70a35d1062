import QtQuick 2.15
import Torvex 1.0

// The page of the configured web button, inside the window. Links of the program's own
// scheme go to the program; whether the page loads tells the button whether it works.
Item {
    id: pane

    readonly property var helper: rootWindow.webButtonUiHelper
    readonly property var handler: rootWindow.webButtonHandler

    Flickable {
        anchors.fill: parent
        clip: true
        contentWidth: page.width
        contentHeight: page.height
        boundsBehavior: Flickable.StopAtBounds

        WebView2 {
            id: page
            objectName: "webButtonPage"
            preferredWidth: pane.width
            preferredHeight: pane.height
            url: pane.helper !== null ? pane.helper.url : ""
            onLoadFinished: if (pane.handler !== null) pane.handler.setContentLoaded(true)
            onLoadFailed: if (pane.handler !== null) pane.handler.setContentLoaded(false)
        }
    }
}
