import QtQuick 2.9
import ".."

// The users who ask to see the signed-in user's presence, each with Accept and Decline.
// The window fits its height to the list: itemHeight per request plus the fixed spacing.
Window {
    id: dialog

    width: 450
    height: 80
    color: qomxStyle.colors["whiteBackground"]

    Keys.onEscapePressed: rootWindow.close()

    Component.onCompleted: {
        rootWindow.itemHeight = 50
        rootWindow.heightExtraSpacing = heading.anchors.topMargin + heading.height + list.anchors.topMargin
                                        + list.anchors.bottomMargin
    }

    Text {
        id: heading
        objectName: "heading"
        textFormat: Text.PlainText
        anchors.top: parent.top
        anchors.topMargin: 3
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        height: 20
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: (rootWindow.model && rootWindow.model.count > 1 ? qsTr("The following users want to share presence information with you:")
                              : qsTr("The following user wants to share presence information with you:"))
              + rootWindow.languageChangeProperty
        color: qomxStyle.colors["darkText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
    }

    ListView {
        id: list
        objectName: "requestList"
        anchors.top: heading.bottom
        anchors.topMargin: 4
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 3
        anchors.left: parent.left
        anchors.right: parent.right
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: rootWindow.model

        delegate: PresenceRequestItem {
            width: list.width - (scrollBar.visible ? scrollBar.width + 2 : 0)
            height: rootWindow.itemHeight
            contact: model.contact
            rowIndex: index
        }
    }

    Rectangle {
        id: scrollBar
        anchors.right: list.right
        anchors.rightMargin: 2
        y: list.y + list.visibleArea.yPosition * list.height
        width: 6
        height: list.visibleArea.heightRatio * list.height
        radius: 3
        visible: list.contentHeight > list.height
        color: qomxStyle.colors["mediumDivider"]
    }
}
