import QtQuick 2.15
import Torvex 1.0

// The answer buttons of a ringing call: in the incoming-call pop-up and in the bar of a
// communications window. The buttons act on the call first, then report the decision.
Row {
    id: row

    property QtObject session: null
    property QtObject call: session ? session.call : null
    property int buttonWidth: 70
    property int buttonHeight: 30
    property bool textLabels: false
    property bool chatButtons: false
    // The session's chat and video-call actions: the buttons follow their enabled states.
    property QtObject chatAction: session ? session.action(3) : null
    property QtObject videoAction: session ? session.action(6) : null
    readonly property bool updatingVideo: call !== null && call.updatingVideo
    readonly property bool videoShown: call !== null && (call.videoCall || updatingVideo)
                                       && videoAction !== null && videoAction.enabled

    signal callNotificationAccepted()
    signal callNotificationIgnored()
    signal showTooltip(string text)
    signal hideTooltip()

    spacing: 10

    AnswerButton {
        width: row.buttonWidth
        height: row.buttonHeight
        textLabel: row.textLabels
        onShowTooltip: row.showTooltip(text)
        onHideTooltip: row.hideTooltip()
        objectName: "answerVideoButton"
        visible: row.videoShown
        label: qsTr("Video") + rootView.languageChangeProperty
        tip: qsTr("Answer with Video") + rootView.languageChangeProperty
        onClicked: {
            if (row.call)
                row.call.accept()
            row.callNotificationAccepted()
        }
    }

    AnswerButton {
        width: row.buttonWidth
        height: row.buttonHeight
        textLabel: row.textLabels
        onShowTooltip: row.showTooltip(text)
        onHideTooltip: row.hideTooltip()
        objectName: "answerAudioButton"
        visible: row.session !== null && !row.updatingVideo
        label: qsTr("Audio") + rootView.languageChangeProperty
        tip: (row.videoShown ? qsTr("Answer with audio only") : qsTr("Answer")) + rootView.languageChangeProperty
        onClicked: {
            if (row.call)
                row.call.acceptAudioOnly()
            row.callNotificationAccepted()
        }
    }

    AnswerButton {
        width: row.buttonWidth
        height: row.buttonHeight
        textLabel: row.textLabels
        onShowTooltip: row.showTooltip(text)
        onHideTooltip: row.hideTooltip()
        objectName: "answerChatButton"
        visible: row.chatButtons && row.chatAction !== null && row.chatAction.enabled && row.session !== null
                 && !row.session.chatActive && row.session.contact !== null
                 && row.session.contact.address !== "" && !row.updatingVideo
        face: qomxStyle.colors["activeBackground"]
        label: qsTr("Chat") + rootView.languageChangeProperty
        tip: label
        onClicked: {
            row.callNotificationAccepted()
            if (row.chatAction && row.chatAction.enabled)
                row.chatAction.trigger()
        }
    }

    AnswerButton {
        width: row.buttonWidth
        height: row.buttonHeight
        textLabel: row.textLabels
        onShowTooltip: row.showTooltip(text)
        onHideTooltip: row.hideTooltip()
        objectName: "declineButton"
        face: qomxStyle.colors["declineButton"]
        label: qsTr("Decline") + rootView.languageChangeProperty
        tip: label
        onClicked: {
            if (row.call) {
                // Declining an offered video keeps the call: only the video is refused.
                if (row.updatingVideo)
                    row.call.acceptAudioOnly()
                else
                    row.call.close()
            }
            row.callNotificationIgnored()
        }
    }
}
