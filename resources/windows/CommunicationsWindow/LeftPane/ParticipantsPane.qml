import QtQuick 2.15
import "../Participants"

// The people of a conference, group chat or My Room: a header over the own information
// and the participant list.
Rectangle {
    id: pane
    objectName: "participantsPane"
    width: 200
    height: 150
    color: qomxStyle.colors["whiteBackground"]

    Rectangle {
        id: header
        objectName: "participantsHeader"
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 26
        color: qomxStyle.colors["lightBackground"]
        Text {
            anchors { left: parent.left; leftMargin: 8; verticalCenter: parent.verticalCenter }
            text: qsTr("Participants") + rootWindow.languageChangeProperty
            color: qomxStyle.colors["listSecondLineText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            font.bold: true
        }
        Rectangle {
            anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
            height: 1
            color: qomxStyle.colors["lightDivider"]
        }
    }

    OwnInformation {
        id: own
        anchors { left: parent.left; right: parent.right; top: header.bottom }
    }

    GroupParticipants {
        anchors { left: parent.left; right: parent.right; top: own.bottom; bottom: parent.bottom }
    }
}
