import QtQuick 2.15
import "../../../controls"
import "share.js" as Share

// The shared desktop's pane: what the share is doing, ending it, and full screen. A double
// click anywhere asks the window for full screen or back.
Rectangle {
    id: pane

    property QtObject session: rootWindow.session
    property QtObject share: session ? session.webcollab : null
    readonly property bool shareUp: session !== null && session.webCollabActive
    readonly property bool sharing: share !== null && share.floorHolder

    signal doubleClicked()

    width: 420
    height: 275
    color: qomxStyle.colors["darkBackground"]

    MouseArea {
        anchors.fill: parent
        onDoubleClicked: pane.doubleClicked()
    }

    Column {
        anchors.centerIn: parent
        width: parent.width - 40
        spacing: 12

        Text {
            objectName: "shareStateText"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: Share.stateText(pane.share ? pane.share.state : 0, pane.sharing) + rootView.languageChangeProperty
            color: qomxStyle.colors["whiteText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 15
            font.bold: true
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 8
            TextButton {
                objectName: "stopSharingButton"
                width: 110
                height: 28
                fontPixelSize: 12
                visible: pane.shareUp
                normalColor: qomxStyle.colors["declineButton"]
                hoverColor: qomxStyle.colors["declineButton"]
                text: (pane.sharing ? qsTr("Stop Sharing") : qsTr("Leave Share")) + rootView.languageChangeProperty
                onClicked: pane.session.closeWebcollab()
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
}
