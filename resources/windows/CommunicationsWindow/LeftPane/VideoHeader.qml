import QtQuick 2.15

// The "Video" section's title over the video in the left pane: a click folds the video away
// or brings it back.
PaneHeader {
    objectName: "videoHeader"
    width: 200
    title: qsTr("Video") + rootView.languageChangeProperty
    expanded: rootWindow.videoPanelVisible
    onClicked: rootWindow.videoPanelVisible = !rootWindow.videoPanelVisible
}
