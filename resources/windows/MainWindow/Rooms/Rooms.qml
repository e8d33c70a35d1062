import QtQuick 2.15

// The group-chat rooms of the chat service.
Item {
    id: pane

    Text {
        objectName: "roomsEmptyText"
        textFormat: Text.PlainText
        visible: list.count === 0
        anchors { fill: parent; margins: 20 }
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        color: qomxStyle.colors["mediumText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
        text: chatRoomsFilter && chatRoomsFilter.fetchingRooms ? qsTr("Retrieving...") : qsTr("No rooms")
    }

    ListView {
        id: list
        objectName: "roomList"
        anchors.fill: parent
        clip: true
        model: chatRoomsFilter
        currentIndex: -1
        boundsBehavior: Flickable.StopAtBounds
        delegate: Rectangle {
            objectName: "room_" + model.name
            width: list.width
            height: 40
            color: ListView.isCurrentItem ? qomxStyle.colors["lightActiveBackground"]
                                          : (area.containsMouse ? qomxStyle.colors["lightBackground"] : qomxStyle.colors["whiteBackground"])
            Rectangle {
                id: badge
                anchors { left: parent.left; leftMargin: 10; verticalCenter: parent.verticalCenter }
                width: 26; height: 26; radius: 5
                color: model.owned ? qomxStyle.colors["activeBackground"] : qomxStyle.colors["mediumDivider"]
                Text {
                    anchors.centerIn: parent
                    text: "#"
                    color: qomxStyle.colors["whiteText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 13
                    font.bold: true
                }
            }
            Column {
                anchors { left: badge.right; leftMargin: 9; right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
                Text {
                    textFormat: Text.PlainText
                    width: parent.width
                    elide: Text.ElideRight
                    text: model.name
                    color: qomxStyle.colors["darkText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 12
                }
                Text {
                    textFormat: Text.PlainText
                    width: parent.width
                    visible: text.length > 0
                    elide: Text.ElideRight
                    text: model.subject || ""
                    color: qomxStyle.colors["listSecondLineText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 10
                }
            }
            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onClicked: {
                    list.currentIndex = index
                    rootWindow.roomsSelectionChanged(index)
                    // A room's menu acts on the chat service: only while it is reachable.
                    if (mouse.button === Qt.RightButton && rootWindow.xmppConnected && !rootWindow.offlineMode)
                        menuHandler.showChatRoomMenu(model.jid, model.name)
                }
            }
            Rectangle {
                anchors { left: badge.right; leftMargin: 9; right: parent.right; bottom: parent.bottom }
                height: 1
                color: qomxStyle.colors["contactListDivider"]
            }
        }
    }
}
