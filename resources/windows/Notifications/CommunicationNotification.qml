import QtQuick 2.15
import Torvex 1.0
import "../../components"

// The frame every pop-up of a conversation shares: avatar, texts beside it, the ignore
// button in the corner. The type scenes fill in the texts and the rest.
Rectangle {
    id: frame

    property QtObject session: rootWindow.session !== undefined ? rootWindow.session : rootView.session
    property int type: rootWindow.type
    property bool guest: type === CommsNotification.GuestNotification
    property bool chatType: type === CommsNotification.ChatNotification
                            || type === CommsNotification.FiletransferNotification
    property alias header: headerText.text
    property alias headerWidth: headerText.width
    property alias secondRow: secondRowText.text
    property alias secondRowColor: secondRowText.color
    property int textLeft: avatar.x + avatar.width + 10
    property QtObject sessionContact: session ? session.contact : null

    signal notificationClicked()

    implicitWidth: 350
    implicitHeight: 100
    width: implicitWidth
    height: implicitHeight
    color: qomxStyle.colors["toasterBackground"]
    border.width: 2
    border.color: qomxStyle.colors["lightDivider"]

    function avatarSource() {
        if (guest)
            return "qrc:/presence/avatar.png"
        if (!session || !session.group)
            return ""
        return session.myRoomSession ? "qrc:/presence/avatar_myroom.png" : "qrc:/presence/avatar_group.png"
    }

    MouseArea {
        anchors.fill: parent
        onClicked: if (frame.chatType) frame.notificationClicked()
    }

    // The caller's own picture, from the presence of the session's contact.
    readonly property QtObject contactPresence: !guest && sessionContact ? sessionContact.presence : null

    Rectangle {
        id: avatar
        objectName: "avatar"
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        width: frame.contactPresence !== null || picture.source != "" ? 80 : 0
        height: 80
        visible: width > 0
        // Round as everywhere else; the avatar rounds a photo off with this colour.
        color: frame.color

        Avatar {
            objectName: "presenceAvatar"
            anchors.fill: parent
            anchors.margins: 1
            visible: frame.contactPresence !== null
            round: true
            presence: frame.contactPresence
            name: frame.sessionContact ? frame.sessionContact.displayName : ""
        }
        Image {
            id: picture
            anchors.fill: parent
            anchors.margins: 1
            visible: frame.contactPresence === null
            fillMode: Image.PreserveAspectCrop
            sourceSize.width: 80
            sourceSize.height: 80
            source: frame.contactPresence === null ? frame.avatarSource() : ""
        }
    }

    Text {
        id: headerText
        objectName: "header"
        textFormat: Text.PlainText
        x: frame.textLeft
        y: 12
        font.family: qomxStyle.fontFamily
        font.pixelSize: 15
        font.bold: true
        color: qomxStyle.colors["toasterText"]
        elide: Text.ElideRight
    }

    Text {
        id: secondRowText
        objectName: "secondRow"
        textFormat: Text.PlainText
        x: frame.textLeft
        anchors.top: headerText.bottom
        anchors.topMargin: 2
        width: frame.width - x - 30
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
        color: qomxStyle.colors["toasterText"]
        elide: Text.ElideRight
    }

    Rectangle {
        id: ignoreButton
        objectName: "ignoreButton"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 5
        width: 18
        height: 18
        radius: 9
        color: ignoreMouse.containsMouse ? qomxStyle.colors["lightDivider"] : "transparent"

        Image {
            anchors.centerIn: parent
            width: 12
            height: 12
            sourceSize { width: 12; height: 12 }
            source: "qrc:/windows/close_mark.png"
        }

        MouseArea {
            id: ignoreMouse
            anchors.fill: parent
            hoverEnabled: true
            onEntered: tooltip.show(qsTr("Ignore") + rootView.languageChangeProperty)
            onExited: tooltip.hide()
            onClicked: {
                if (frame.type === CommsNotification.CallNotification)
                    rootView.callNotificationIgnored()
                else if (frame.chatType)
                    rootView.chatNotificationIgnored()
                else
                    rootView.close()
            }
        }
    }

    // The texts the buttons offer on hover, under the pop-up's upper edge.
    Rectangle {
        id: tooltip
        objectName: "tooltip"
        property alias text: tooltipText.text
        function show(text) { tooltipText.text = text; visible = true }
        function hide() { visible = false }
        visible: false
        z: 10
        anchors.right: parent.right
        anchors.rightMargin: 26
        y: 4
        width: tooltipText.implicitWidth + 10
        height: tooltipText.implicitHeight + 4
        color: qomxStyle.colors["whiteBackground"]
        border.width: 1
        border.color: qomxStyle.colors["mediumDivider"]

        Text {
            id: tooltipText
            textFormat: Text.PlainText
            anchors.centerIn: parent
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            color: qomxStyle.colors["blackText"]
        }
    }

    property alias tooltip: tooltip
}
