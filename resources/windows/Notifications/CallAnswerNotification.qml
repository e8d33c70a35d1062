import QtQuick 2.15
import Torvex 1.0

// The pop-up of an incoming call: who calls, and the answer buttons.
CommunicationNotification {
    id: popup

    property QtObject call: session ? session.call : null
    readonly property bool groupCall: session !== null && (session.group
                                      || (call !== null && (call.callType === Call.AudioConference
                                                            || call.callType === Call.VideoConference
                                                            || call.callType === Call.VyxConference)))
    readonly property string callerName: call ? call.callerName : ""
    readonly property string headerText: {
        if (!call)
            return ""
        if (groupCall)
            return callerName !== "" ? qsTr("Group Call (%1)").arg(callerName) : qsTr("Group Call")
        if (call.executiveCall)
            return qsTr("Executive Call (%1)").arg(call.executiveName)
        return sessionContact ? sessionContact.displayName : callerName
    }

    // The session's chat action: the button beside the header takes the call as a chat.
    readonly property QtObject chatAction: session ? session.action(3) : null
    readonly property bool chatOffered: chatAction !== null && chatAction.enabled && session !== null
                                        && !session.chatActive && !(call !== null && call.updatingVideo)

    implicitWidth: call && call.videoCall ? 450 : 350
    header: headerText + rootView.languageChangeProperty
    // As wide as its text, leaving room for the chat button and the ignore button.
    headerWidth: Math.max(0, Math.min(rootWindow.calcTextWidth(headerText, headerFont.font) + 1,
                                      width - textLeft - 30 - (chatOffered ? chatButton.width + 8 : 0)))
    secondRow: {
        var incoming = qsTr("Incoming call") + rootView.languageChangeProperty
        var number = call ? call.phoneNumber : ""
        return number === "" || number === headerText ? incoming : qsTr("%1 - %2").arg(number).arg(incoming)
    }
    secondRowColor: qomxStyle.colors["blackText"]

    Text {
        id: headerFont
        visible: false
        font.family: qomxStyle.fontFamily
        font.pixelSize: 15
        font.bold: true
    }

    Rectangle {
        id: chatButton
        objectName: "headerChatButton"
        visible: popup.chatOffered
        x: popup.textLeft + popup.headerWidth + 8
        y: 12
        width: 24
        height: 20
        radius: 3
        color: chatMouse.containsMouse ? qomxStyle.colors["lightDivider"] : "transparent"
        border.width: 1
        border.color: qomxStyle.colors["mediumDivider"]
        Image {
            anchors.centerIn: parent
            width: 16
            height: 16
            sourceSize: Qt.size(16, 16)
            source: "qrc:/windows/CommunicationsWindow/footer_chat"
        }
        MouseArea {
            id: chatMouse
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onEntered: popup.tooltip.show(qsTr("Chat") + rootView.languageChangeProperty)
            onExited: popup.tooltip.hide()
            onClicked: {
                // The pop-up goes (the ringing with it) and the conversation turns to a chat.
                var action = popup.chatAction
                rootView.callNotificationIgnored()
                if (action && action.enabled)
                    action.trigger()
            }
        }
    }

    CallAnswerButtons {
        objectName: "answerButtons"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.horizontalCenterOffset: popup.textLeft / 2
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        session: popup.session
        textLabels: true
        buttonWidth: 100
        onCallNotificationAccepted: rootView.callNotificationAccepted()
        onCallNotificationIgnored: rootView.callNotificationIgnored()
        onShowTooltip: popup.tooltip.show(text)
        onHideTooltip: popup.tooltip.hide()
    }
}
