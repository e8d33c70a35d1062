import QtQuick 2.15
import Torvex 1.0
import "../../../controls"
import "share.js" as Share

// The shared desktop's pane: the desktop the user watches, or what the user's own share is
// doing, with the share's buttons. A double click anywhere asks the window for full screen
// or back.
Rectangle {
    id: pane

    property QtObject session: rootWindow.session
    property QtObject share: session ? session.webcollab : null
    property QtObject handler: session ? session.zynHandler : null
    readonly property bool shareUp: session !== null && session.webCollabActive
    readonly property bool sharing: share !== null && share.floorHolder
    readonly property bool paused: share !== null && share.paused === true
    readonly property bool watching: shareUp && share !== null && !sharing && share.state === 9

    signal doubleClicked()

    width: 420
    height: 275
    color: qomxStyle.colors["darkBackground"]

    QmlClipboardAdapter { id: clipboard }

    MouseArea {
        anchors.fill: parent
        onDoubleClicked: pane.doubleClicked()
    }

    // The presenter's desktop, drawn as the service delivers it.
    ViewShareZyn {
        id: viewer
        objectName: "shareViewer"
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: buttons.top; bottomMargin: 8 }
        visible: pane.watching
        webcollab: pane.watching ? pane.share : null

        function fit() {
            if (width > 0 && height > 0)
                resizeViewShare(width, height)
        }
        onWidthChanged: fit()
        onHeightChanged: fit()
        onVisibleChanged: fit()
    }

    Text {
        objectName: "shareStateText"
        textFormat: Text.PlainText
        anchors.centerIn: parent
        anchors.verticalCenterOffset: -20
        width: parent.width - 40
        visible: !pane.watching || pane.paused
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        text: Share.stateText(pane.share ? pane.share.state : 0, pane.sharing, pane.paused) + rootView.languageChangeProperty
        color: qomxStyle.colors["whiteText"]
        style: Text.Outline
        styleColor: qomxStyle.colors["darkBackground"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 15
        font.bold: true
    }

    Row {
        id: buttons
        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 10 }
        spacing: 8
        height: 28

        TextButton {
            objectName: "pauseShareButton"
            width: 90
            height: 28
            fontPixelSize: 12
            visible: pane.sharing && pane.handler !== null
            text: (pane.paused ? qsTr("Resume") : qsTr("Pause")) + rootView.languageChangeProperty
            onClicked: pane.paused ? pane.handler.resumeShare() : pane.handler.pauseShare()
        }
        TextButton {
            objectName: "copyShareLinkButton"
            width: 90
            height: 28
            fontPixelSize: 12
            visible: pane.sharing && pane.handler !== null && pane.handler.link !== ""
            text: qsTr("Copy Link") + rootView.languageChangeProperty
            onClicked: clipboard.setText(pane.handler.link)
        }
        TextButton {
            objectName: "stopSharingButton"
            width: 110
            height: 28
            fontPixelSize: 12
            visible: pane.shareUp
            normalColor: qomxStyle.colors["declineButton"]
            hoverColor: qomxStyle.colors["declineButton"]
            text: (pane.sharing ? qsTr("Stop Sharing") : qsTr("Leave Share")) + rootView.languageChangeProperty
            onClicked: pane.sharing && pane.handler !== null ? pane.handler.stopShare() : pane.session.closeWebcollab()
        }
        TextButton {
            objectName: "fullScreenButton"
            width: 110
            height: 28
            fontPixelSize: 12
            visible: pane.shareUp && !pane.sharing
            text: (rootWindow.isFullscreen ? qsTr("Exit Full Screen") : qsTr("Full Screen")) + rootView.languageChangeProperty
            onClicked: pane.doubleClicked()
        }
    }
}
