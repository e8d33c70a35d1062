import QtQuick 2.15

// The user's own entry above the participants of a My Room: the room's dial-in details,
// which can be selected and copied through the own-participant menu.
Rectangle {
    id: own
    objectName: "ownInformation"

    readonly property string info: rootWindow.session && rootWindow.session.myRoomSession
                                    ? rootWindow.getMyRoomInfo().trim() : ""

    height: info.length > 0 ? details.paintedHeight + 16 : 0
    visible: info.length > 0
    color: rootWindow.ownParticipantMenuVisible ? qomxStyle.colors["lightActiveBackground"]
                                                : qomxStyle.colors["whiteBackground"]

    TextEdit {
        id: details
        objectName: "ownInformationText"
        textFormat: TextEdit.PlainText
        anchors { left: parent.left; leftMargin: 10; right: parent.right; rightMargin: 8; top: parent.top; topMargin: 8 }
        readOnly: true
        selectByMouse: true
        wrapMode: TextEdit.Wrap
        text: own.info
        color: qomxStyle.colors["darkText"]
        selectionColor: qomxStyle.colors["activeBackground"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 11
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: rootWindow.showOwnParticipantPopupMenu(details.selectedText)
    }

    Rectangle {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 1
        color: qomxStyle.colors["contactListDivider"]
    }
}
