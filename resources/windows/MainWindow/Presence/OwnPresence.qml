import QtQuick 2.15

// The signed-in user at the top: picture, name and availability (a click opens the presence
// menu), and the options menu; expanded, the status note below.
Rectangle {
    id: pane

    readonly property var own: rootWindow.ownContact
    readonly property int presence: own ? own.presenceState : 0
    readonly property bool expanded: rootWindow.ownPresenceExpanded
    property int voiceMailMessagesCount: 0

    height: 52 + (expanded ? note.height + 8 : 0)
    color: qomxStyle.colors["whiteBackground"]
    clip: true
    Behavior on height { NumberAnimation { duration: 300 } }

    Rectangle {
        id: picture
        objectName: "ownPicture"
        anchors { left: parent.left; leftMargin: 10; top: parent.top; topMargin: 8 }
        width: 36
        height: 36
        radius: 18
        color: qomxStyle.colors["activeBackground"]
        Text {
            anchors.centerIn: parent
            visible: photo.status !== Image.Ready
            text: (rootWindow.displayName || "?").charAt(0).toUpperCase()
            color: qomxStyle.colors["whiteText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 17
            font.bold: true
        }
        Image {
            id: photo
            objectName: "ownPhoto"
            anchors.fill: parent
            fillMode: Image.PreserveAspectCrop
            smooth: true
            source: pane.own && pane.own.presence ? pane.own.presence.avatarUrl : ""
            visible: status === Image.Ready
        }
        // A ring of the pane's colour rounds the photo off like the initial's circle.
        Rectangle {
            visible: photo.visible
            anchors.centerIn: parent
            width: parent.width + 16
            height: width
            radius: width / 2
            color: "transparent"
            border.width: 8
            border.color: pane.color
        }
        PresenceDot {
            anchors { right: parent.right; bottom: parent.bottom }
            width: 12
            height: 12
            presence: pane.presence
        }
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            acceptedButtons: Qt.LeftButton | Qt.RightButton
            onClicked: {
                if (mouse.button === Qt.RightButton)
                    menuHandler.showOwnContactMenu(false)
                else
                    rootWindow.ownPresenceExpanded = !rootWindow.ownPresenceExpanded
            }
            onDoubleClicked: if (mouse.button === Qt.LeftButton) rootWindow.changeAvatar()
        }
    }

    Column {
        anchors { left: picture.right; leftMargin: 10; right: menuButton.left; rightMargin: 6; verticalCenter: picture.verticalCenter }
        spacing: 2
        Text {
            objectName: "signedInName"
            width: parent.width
            elide: Text.ElideRight
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 14
            font.bold: true
            text: rootWindow.displayName
        }
        Text {
            id: availability
            objectName: "ownAvailability"
            width: Math.min(parent.width, implicitWidth)
            elide: Text.ElideRight
            color: availabilityArea.containsMouse ? qomxStyle.colors["highlightText"] : qomxStyle.colors["listSecondLineText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            text: (presenceHelper ? presenceHelper.availabilityText(pane.presence) : "") + "  \u25BE"
            MouseArea {
                id: availabilityArea
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: rootWindow.openPresenceMenu()
            }
        }        // Where the user is, as published; "Set Location" until it is set.
        Text {
            objectName: "ownLocation"
            width: Math.min(parent.width, implicitWidth)
            visible: rootWindow.configXml !== null && rootWindow.configXml.locationEnabled
            elide: Text.ElideRight
            textFormat: Text.PlainText
            readonly property string location: pane.own && pane.own.presence ? pane.own.presence.locationText : ""
            text: location.length > 0 ? location : qsTr("Set Location")
            color: locationArea.containsMouse && rootWindow.xmppConnected ? qomxStyle.colors["highlightText"]
                                                                        : qomxStyle.colors["mediumText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 10
            MouseArea {
                id: locationArea
                anchors.fill: parent
                hoverEnabled: true
                enabled: rootWindow.xmppConnected
                cursorShape: Qt.PointingHandCursor
                onClicked: presenceHelper.showLocationPublish()
            }
        }
    }

    // Waiting voice messages, whatever the view: a click calls the mailbox.
    Text {
        objectName: "newMessages"
        anchors { right: menuButton.left; rightMargin: 6; bottom: picture.bottom }
        visible: pane.voiceMailMessagesCount > 0
        text: qsTr("New messages: %1").arg(pane.voiceMailMessagesCount)
        color: qomxStyle.colors["highlightText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 10
        font.bold: true
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: rootWindow.checkVoiceMails()
        }
    }

    // The options menu: call settings, queues, preferences, sign out, exit.
    Rectangle {
        id: menuButton
        objectName: "menuButton"
        anchors { right: parent.right; rightMargin: 8; verticalCenter: picture.verticalCenter }
        width: 30
        height: 30
        radius: 4
        color: menuArea.containsMouse || (menuHandler !== null && menuHandler.optionsMenuVisible) ? qomxStyle.colors["lightDivider"] : "transparent"
        Column {
            anchors.centerIn: parent
            spacing: 3
            Repeater {
                model: 3
                Rectangle {
                    width: 16
                    height: 2
                    radius: 1
                    color: menuArea.containsMouse ? qomxStyle.colors["highlightText"] : qomxStyle.colors["darkText"]
                }
            }
        }
        MouseArea {
            id: menuArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: menuHandler.showOptionsMenu()
        }
    }

    Text {
        id: note
        objectName: "ownStatusNote"
        anchors { left: picture.right; leftMargin: 10; right: parent.right; rightMargin: 10; top: picture.bottom; topMargin: 4 }
        visible: pane.expanded
        wrapMode: Text.Wrap
        maximumLineCount: 2
        elide: Text.ElideRight
        color: qomxStyle.colors["mediumText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 11
        font.italic: !(pane.own && pane.own.statusText)
        text: pane.own && pane.own.statusText ? pane.own.statusText : qsTr("What's on your mind?")
    }

    Rectangle {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 1
        color: qomxStyle.colors["lightDivider"]
    }
}
