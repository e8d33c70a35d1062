import QtQuick 2.15

// The signed-in window: who is signed in, the contact list, Sign Out and Exit.
Rectangle {
    id: root
    width: 320
    height: 480
    color: qomxStyle.colors.whiteBackground

    // Waiting voice messages; the window's onMessages sets it.
    property int voiceMailMessagesCount: 0

    // The application menu: availability, call settings, queues, preferences, sign out.
    Rectangle {
        id: menuButton
        objectName: "menuButton"
        anchors { right: parent.right; top: parent.top; margins: 12 }
        width: 30
        height: 30
        radius: 3
        color: menuArea.containsMouse ? qomxStyle.colors.lightDivider : "transparent"

        Column {
            anchors.centerIn: parent
            spacing: 3
            Repeater {
                model: 3
                Rectangle {
                    width: 16
                    height: 2
                    radius: 1
                    color: menuArea.containsMouse ? qomxStyle.colors.highlightText : qomxStyle.colors.darkText
                }
            }
        }

        MouseArea {
            id: menuArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: rootWindow.openApplicationMenu()
        }
    }

    Column {
        id: header
        anchors { left: parent.left; right: menuButton.left; top: parent.top; margins: 16 }
        spacing: 4

        Text {
            objectName: "signedInName"
            width: parent.width
            elide: Text.ElideRight
            color: qomxStyle.colors.darkText
            font.family: qomxStyle.fontFamily
            font.pixelSize: 18
            font.bold: true
            text: rootWindow.displayName
        }
        Text {
            width: parent.width
            elide: Text.ElideRight
            color: qomxStyle.colors.darkText
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
            text: qsTr("Signed in as %1").arg(rootWindow.userName)
        }
        Text {
            objectName: "newMessages"
            visible: root.voiceMailMessagesCount > 0
            color: qomxStyle.colors.darkText
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
            text: qsTr("New messages: %1").arg(root.voiceMailMessagesCount)
        }
        Text {
            objectName: "teamTelephony"
            visible: rootWindow.teamTelephonyShown
            color: qomxStyle.colors.darkText
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
            font.bold: true
            text: qsTr("Team Telephony")
        }
    }

    ListView {
        id: contacts
        anchors { left: parent.left; right: parent.right; top: header.bottom; bottom: buttons.top; margins: 16 }
        clip: true
        spacing: 2
        model: rootWindow.contactNames
        delegate: Rectangle {
            width: ListView.view.width
            height: 28
            color: qomxStyle.colors.lightBackground
            Text {
                anchors { left: parent.left; leftMargin: 8; verticalCenter: parent.verticalCenter }
                color: qomxStyle.colors.darkText
                font.family: qomxStyle.fontFamily
                text: modelData
            }
        }
    }

    Row {
        id: buttons
        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 16 }
        spacing: 12

        Repeater {
            model: [ { label: qsTr("Sign Out"), exit: false }, { label: qsTr("Exit"), exit: true } ]
            delegate: Rectangle {
                objectName: modelData.exit ? "exitButton" : "signOutButton"
                width: 110
                height: 30
                radius: 3
                color: area.containsMouse ? qomxStyle.colors.hoverButton : qomxStyle.colors.defaultButton
                Text {
                    anchors.centerIn: parent
                    color: qomxStyle.colors.whiteText
                    font.family: qomxStyle.fontFamily
                    text: modelData.label
                }
                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: modelData.exit ? rootWindow.exitApplication() : rootWindow.signOut()
                }
            }
        }
    }
}
