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

    implicitWidth: call && call.videoCall ? 450 : 350
    header: headerText + rootView.languageChangeProperty
    headerWidth: Math.min(rootWindow.calcTextWidth(headerText, headerFont.font) + 1, width - textLeft - 40)
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
