import QtQuick 2.15
import "../LeftPane"
import "share.js" as Share

// The share's section of the left pane: how far the share is, and ending it. Its title
// folds the section.
Column {
    id: controls

    property QtObject session: rootWindow.session
    property QtObject share: session ? session.webcollab : null
    readonly property bool shareUp: session !== null && session.webCollabActive

    width: 200
    height: implicitHeight

    PaneHeader {
        objectName: "shareHeader"
        width: parent.width
        title: qsTr("Desktop Share") + rootView.languageChangeProperty
        expanded: rootWindow.sharePanelVisible
        onClicked: rootWindow.sharePanelVisible = !rootWindow.sharePanelVisible
    }
    Item {
        width: parent.width
        height: visible ? 34 : 0
        visible: rootWindow.sharePanelVisible

        Text {
            objectName: "shareState"
            anchors { left: parent.left; leftMargin: 10; right: stop.left; rightMargin: 6; verticalCenter: parent.verticalCenter }
            elide: Text.ElideRight
            text: Share.stateText(controls.share ? controls.share.state : 0,
                                  controls.share !== null && controls.share.floorHolder) + rootView.languageChangeProperty
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }
        Text {
            id: stop
            objectName: "stopShareButton"
            anchors { right: parent.right; rightMargin: 10; verticalCenter: parent.verticalCenter }
            visible: controls.shareUp
            text: qsTr("Stop") + rootView.languageChangeProperty
            color: stopArea.containsMouse ? qomxStyle.colors["hoverButton"] : qomxStyle.colors["declineButton"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            font.bold: true
            font.underline: stopArea.containsMouse
            MouseArea {
                id: stopArea
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: controls.session.closeWebcollab()
            }
        }
    }
}
