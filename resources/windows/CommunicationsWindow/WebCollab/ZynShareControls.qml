import QtQuick 2.15
import Torvex 1.0
import "../LeftPane"
import "share.js" as Share

// The share's section of the left pane: how far the share is, and the buttons of the
// conversation's screen-share handler: start showing the desktop, hold it still, let it
// move again, copy the link it can be watched under, and stop. Its title folds the section.
Column {
    id: controls

    property QtObject session: rootWindow.session
    property QtObject share: session ? session.webcollab : null
    property QtObject handler: session ? session.zynHandler : null
    readonly property bool shareUp: session !== null && session.webCollabActive
    readonly property bool sharing: handler !== null && handler.sharing

    width: 200
    height: implicitHeight

    QmlClipboardAdapter { id: clipboard }

    PaneHeader {
        objectName: "shareHeader"
        width: parent.width
        title: qsTr("Desktop Share") + rootView.languageChangeProperty
        expanded: rootWindow.sharePanelVisible
        onClicked: rootWindow.sharePanelVisible = !rootWindow.sharePanelVisible
    }
    Column {
        x: 10
        width: parent.width - 20
        visible: rootWindow.sharePanelVisible
        topPadding: 6
        bottomPadding: 8
        spacing: 4

        Text {
            objectName: "shareState"
            textFormat: Text.PlainText
            width: parent.width
            elide: Text.ElideRight
            text: (controls.shareUp ? Share.stateText(controls.share ? controls.share.state : 0,
                                                      controls.share !== null && controls.share.floorHolder,
                                                      controls.share !== null && controls.share.paused === true)
                                    : (controls.handler !== null && controls.handler.canStart
                                       ? qsTr("Your desktop is not shared") : Share.stateText(0, false, false)))
                  + rootView.languageChangeProperty
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }
        Row {
            spacing: 12

            ShareLink {
                objectName: "startShareButton"
                visible: controls.handler !== null && controls.handler.canStart
                text: qsTr("Start") + rootView.languageChangeProperty
                onClicked: {
                    controls.handler.startShare()
                    rootWindow.showSharingNotification()
                }
            }
            ShareLink {
                objectName: "pauseShareButton"
                visible: controls.sharing
                text: (controls.handler !== null && controls.handler.paused ? qsTr("Resume") : qsTr("Pause"))
                      + rootView.languageChangeProperty
                onClicked: controls.handler.paused ? controls.handler.resumeShare() : controls.handler.pauseShare()
            }
            ShareLink {
                objectName: "copyShareLinkButton"
                visible: controls.sharing && controls.handler.link !== ""
                text: qsTr("Copy Link") + rootView.languageChangeProperty
                onClicked: clipboard.setText(controls.handler.link)
            }
            ShareLink {
                objectName: "stopShareButton"
                visible: controls.shareUp
                warning: true
                text: qsTr("Stop") + rootView.languageChangeProperty
                onClicked: controls.sharing ? controls.handler.stopShare() : controls.session.closeWebcollab()
            }
        }
    }
}
