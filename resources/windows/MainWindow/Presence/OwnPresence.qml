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
            textFormat: Text.PlainText
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
            textFormat: Text.PlainText
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
        textFormat: Text.PlainText
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

    // The status note others see beside the presence: typed here while the chat service is
    // there; Return publishes it, Escape gives up what was typed.
    Item {
        id: note
        anchors { left: picture.right; leftMargin: 6; right: parent.right; rightMargin: 10; top: picture.bottom; topMargin: 4 }
        height: 22
        visible: pane.expanded
        readonly property string published: pane.own && pane.own.presence ? pane.own.presence.statusText : ""
        onPublishedChanged: if (!noteInput.activeFocus) noteInput.text = published

        function publish() {
            var text = noteInput.text.trim()
            if (text !== note.published && pane.own && pane.own.presence)
                pane.own.presence.setStatusText(text)
        }

        Rectangle {
            anchors.fill: parent
            radius: 3
            color: noteInput.activeFocus ? qomxStyle.colors["whiteBackground"] : "transparent"
            border.width: noteInput.activeFocus || noteArea.containsMouse && !noteInput.readOnly ? 1 : 0
            border.color: noteInput.activeFocus ? qomxStyle.colors["loginHighlightText"] : qomxStyle.colors["lightDivider"]
        }
        TextInput {
            id: noteInput
            objectName: "ownStatusNote"
            anchors { left: parent.left; leftMargin: 4; right: parent.right; rightMargin: 4; verticalCenter: parent.verticalCenter }
            clip: true
            readOnly: !rootWindow.xmppConnected
            maximumLength: 200
            selectByMouse: true
            color: qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            text: note.published
            // A pasted line break would make a note of several lines: blanks instead.
            onTextChanged: if (/[\r\n]/.test(text)) text = text.replace(/\r\n|[\r\n]/g, " ")
            onActiveFocusChanged: if (!activeFocus) text = note.published
            // The note's own keys: Return ends here and never reaches the lists below.
            Keys.onReturnPressed: {
                note.publish()
                focus = false
                event.accepted = true
            }
            Keys.onEnterPressed: {
                note.publish()
                focus = false
                event.accepted = true
            }
            Keys.onEscapePressed: {
                text = note.published
                focus = false
                event.accepted = true
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                visible: noteInput.text.length === 0
                text: qsTr("What's on your mind?")
                color: qomxStyle.colors["inputFieldPlaceholder"]
                font: noteInput.font
            }
            MouseArea {
                id: noteArea
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.NoButton
                cursorShape: noteInput.readOnly ? Qt.ArrowCursor : Qt.IBeamCursor
            }
        }
    }

    Rectangle {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 1
        color: qomxStyle.colors["lightDivider"]
    }
}
