import QtQuick 2.15
import Torvex 1.0

// The pop-up of an incoming chat message or file: a click opens the conversation.
CommunicationNotification {
    id: popup

    property QtObject chat: session ? session.chat : null
    readonly property bool fileTransfer: type === CommsNotification.FiletransferNotification

    header: {
        var text = ""
        if (chat && chat.group)
            text = session.myRoomSession ? qsTr("My Room (%1)").arg(chat.contactName)
                                         : qsTr("Group Chat (%1)").arg(chat.contactName)
        else if (sessionContact)
            text = sessionContact.displayName
        return text + rootView.languageChangeProperty
    }
    secondRow: chat ? qmlHelper.formatDateTime(chat.timeStamp) : ""

    onNotificationClicked: rootView.chatNotificationAccepted()

    Text {
        objectName: "message"
        textFormat: Text.PlainText
        x: popup.textLeft
        y: 52
        width: popup.width - x - 34
        font.family: qomxStyle.fontFamily
        font.pixelSize: 13
        wrapMode: Text.Wrap
        maximumLineCount: 3
        elide: Text.ElideRight
        color: qomxStyle.colors["toasterText"]
        text: {
            var message = ""
            if (popup.fileTransfer)
                message = qsTr("Incoming file transfer")
            else if (popup.chat && popup.chat.reasonText !== "")
                message = popup.chat.reasonText
            else if (popup.session && popup.session.webcollab && popup.chat && !popup.chat.group)
                message = qsTr("Click to open share")
            return message + rootView.languageChangeProperty
        }
    }

    Image {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 8
        width: 16
        height: 16
        sourceSize: Qt.size(16, 16)
        source: "qrc:/windows/CommunicationsWindow/footer_chat"
    }
}
