import QtQuick 2.15

// The participant list with the My Room error line above it. A click anywhere in it first
// closes the contact list of the window's bar.
Item {
    id: group

    Rectangle {
        id: errorLine
        objectName: "meetMeErrorLine"
        anchors { left: parent.left; right: parent.right; top: parent.top }
        visible: rootWindow.meetMeError.length > 0
        height: visible ? errorText.paintedHeight + 10 : 0
        color: qomxStyle.colors["lightBackground"]
        Text {
            id: errorText
            textFormat: Text.PlainText
            anchors { left: parent.left; leftMargin: 8; right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
            wrapMode: Text.Wrap
            text: rootWindow.meetMeError
            color: qomxStyle.colors["errorText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
        }
        // The error goes after a minute, or at once when the user clicks it.
        Timer {
            objectName: "meetMeErrorTimer"
            interval: 60000
            running: errorLine.visible
            onTriggered: rootWindow.meetMeError = ""
        }
        MouseArea {
            anchors.fill: parent
            onClicked: rootWindow.meetMeError = ""
        }
    }

    ListView {
        id: list
        objectName: "participantList"
        anchors { left: parent.left; right: parent.right; top: errorLine.bottom; bottom: parent.bottom }
        clip: true
        model: rootWindow.participants
        boundsBehavior: Flickable.StopAtBounds
        keyNavigationEnabled: false
        currentIndex: participantSelectionHandler ? participantSelectionHandler.currentIndex : -1
        onCurrentIndexChanged: {
            if (participantSelectionHandler && participantSelectionHandler.currentIndex !== currentIndex)
                participantSelectionHandler.currentIndex = currentIndex
        }
        delegate: GroupParticipantDelegate {
            width: list.width
        }

        Rectangle {
            anchors { right: parent.right; rightMargin: 1 }
            y: list.visibleArea.yPosition * list.height
            width: 4
            radius: 2
            height: Math.max(20, list.visibleArea.heightRatio * list.height)
            visible: list.visibleArea.heightRatio < 1
            color: qomxStyle.colors["mediumDivider"]
        }
    }

    MouseArea {
        anchors.fill: parent
        z: 10
        onPressed: {
            if (rootWindow.notificationswidget && rootWindow.notificationswidget.visible)
                rootWindow.notificationswidget.closeContactList()
            mouse.accepted = false
        }
    }
}
