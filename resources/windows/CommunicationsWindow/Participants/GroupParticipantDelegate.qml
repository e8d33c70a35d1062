import QtQuick 2.15
import Torvex 1.0
import "../../MainWindow/Presence"
import "../../../components"

// One participant: a press selects, the name opens the contact card, the chat button starts
// a private chat, a right click opens the participant menu (the own menu on the own row),
// and resting the pointer shows the participant's card.
Rectangle {
    id: row

    readonly property var participant: model.participant
    readonly property var contact: model.contact
    readonly property bool own: model.self === true
    readonly property string name: model.name ? model.name : qsTr("Unknown")

    objectName: "participant_" + name
    height: 38
    color: model.selected ? qomxStyle.colors["lightActiveBackground"]
                          : (area.containsMouse ? qomxStyle.colors["lightBackground"] : qomxStyle.colors["whiteBackground"])

    function affiliationText(affiliation) {
        switch (affiliation) {
        case 6: return qsTr("Owner")
        case 5: return qsTr("Moderator")
        case 3: return qsTr("Guest")
        case 1: return qsTr("Waiting")
        default: return ""
        }
    }

    Avatar {
        id: avatar
        objectName: "participantAvatar"
        anchors { left: parent.left; leftMargin: 10; verticalCenter: parent.verticalCenter }
        width: 26; height: 26
        name: row.name
        presence: row.contact ? row.contact.presence : null
    }
    PresenceDot {
        anchors { right: avatar.right; bottom: avatar.bottom; rightMargin: -2; bottomMargin: -1 }
        presence: row.contact ? row.contact.presenceState : 0
    }

    // The pointer rests on the row, not only passes it, before the card shows.
    Timer {
        id: hoverTimer
        interval: 200
        onTriggered: if (row.participant) rootWindow.showParticipantMouseOver(row.participant)
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onEntered: hoverTimer.restart()
        onExited: {
            hoverTimer.stop()
            rootWindow.hideParticipantMouseOver()
        }
        onPressed: {
            hoverTimer.stop()
            rootWindow.hideParticipantMouseOver()
            if (mouse.button === Qt.RightButton) {
                if (!model.selected)
                    participantSelectionHandler.select(index, 0)
                return
            }
            participantSelectionHandler.select(index, mouse.modifiers)
        }
        onClicked: {
            if (mouse.button !== Qt.RightButton)
                return
            if (row.own)
                rootWindow.showOwnParticipantPopupMenu("")
            else
                rootWindow.showParticipantPopupMenu(participantSelectionHandler.selectionAsParticipantsList())
        }
    }

    Column {
        anchors { left: avatar.right; leftMargin: 9; right: chatButton.left; rightMargin: 4; verticalCenter: parent.verticalCenter }
        Text {
            id: nameText
            objectName: "participantName"
            textFormat: Text.PlainText
            width: Math.min(implicitWidth, parent.width)
            elide: Text.ElideRight
            text: row.own ? qsTr("%1 (Me)").arg(row.name) : row.name
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
            MouseArea {
                anchors.fill: parent
                enabled: !row.own
                cursorShape: Qt.PointingHandCursor
                onClicked: {
                    rootWindow.hideParticipantMouseOver()
                    rootWindow.triggerParticipantAction(row.participant, Action.ViewProfile)
                }
            }
        }
        Text {
            textFormat: Text.PlainText
            width: parent.width
            visible: text.length > 0
            elide: Text.ElideRight
            text: (model.muted ? qsTr("Muted") + "  " : "") + row.affiliationText(model.affiliation)
            color: qomxStyle.colors["listSecondLineText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 10
        }
    }

    Rectangle {
        id: chatButton
        objectName: "participantChatButton"
        anchors { right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
        width: 22; height: 18; radius: 3
        visible: !row.own && (area.containsMouse || chatArea.containsMouse)
        color: chatArea.containsMouse ? qomxStyle.colors["activeBackground"] : qomxStyle.colors["lightBackground"]
        Image {
            anchors.centerIn: parent
            width: 14
            height: 14
            sourceSize: Qt.size(16, 16)
            source: "qrc:/windows/CommunicationsWindow/footer_chat"
        }
        MouseArea {
            id: chatArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                rootWindow.hideParticipantMouseOver()
                rootWindow.triggerParticipantAction(row.participant, Action.Chat)
            }
        }
    }

    Rectangle {
        anchors { left: avatar.right; leftMargin: 9; right: parent.right; bottom: parent.bottom }
        height: 1
        color: qomxStyle.colors["contactListDivider"]
    }
}
