import QtQuick 2.15
import Torvex 1.0
import "../../../controls"

// The call's side of a conversation: who, how far the call is, and what can be done with it.
Rectangle {
    id: window

    property QtObject session: rootWindow.session
    property QtObject call: session ? session.call : null
    property QtObject contact: session ? session.contact : null
    readonly property bool inCall: call !== null && call.callState !== Call.NotInACall
    readonly property bool talking: call !== null && (call.callState === Call.InCall || call.callState === Call.OnHold
                                                      || call.callState === Call.RemoteHold || call.callState === Call.BothHold)

    width: 420
    height: 150
    color: qomxStyle.colors["whiteBackground"]

    function stateText() {
        if (!call)
            return session && session.chatActive ? qsTr("Chat") : qsTr("Call ended")
        switch (call.callState) {
        case Call.Calling:
            return qsTr("Calling...")
        case Call.RemoteRinging:
        case Call.EarlyMedia:
            return qsTr("Ringing...")
        case Call.Incoming:
        case Call.WaitingForUs:
            return qsTr("Incoming call")
        case Call.InCall:
            return qsTr("In call")
        case Call.OnHold:
        case Call.BothHold:
        case Call.HoldPending:
            return qsTr("On hold")
        case Call.RemoteHold:
            return qsTr("Held by the other party")
        case Call.Disconnecting:
        case Call.Failed:
        case Call.NotInACall:
            return qsTr("Call ended")
        }
        return ""
    }

    Text {
        id: name
        objectName: "callerName"
        x: 16
        y: 14
        width: parent.width - 32
        elide: Text.ElideRight
        font.family: qomxStyle.fontFamily
        font.pixelSize: 18
        font.bold: true
        color: qomxStyle.colors["darkText"]
        text: window.contact ? window.contact.displayName : (window.call ? window.call.displayName : "")
    }

    Text {
        objectName: "callStatus"
        x: 16
        anchors.top: name.bottom
        anchors.topMargin: 4
        font.family: qomxStyle.fontFamily
        font.pixelSize: 13
        color: qomxStyle.colors["mediumText"]
        text: window.stateText() + rootView.languageChangeProperty
    }

    Row {
        x: 16
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 16
        spacing: 6
        visible: window.inCall

        TextButton {
            objectName: "dialpadButton"
            width: 62
            text: (rootWindow.dialpadVisible ? qsTr("Hide keys") : qsTr("Keypad")) + rootView.languageChangeProperty
            fontPixelSize: 11
            enabled: window.talking
            onClicked: rootWindow.dialpadVisible = !rootWindow.dialpadVisible
        }
        TextButton {
            objectName: "holdButton"
            width: 56
            fontPixelSize: 11
            text: (window.call && window.call.callState === Call.OnHold ? qsTr("Resume") : qsTr("Hold"))
                  + rootView.languageChangeProperty
            enabled: window.talking
            onClicked: window.call.toggleHold()
        }
        TextButton {
            objectName: "muteButton"
            width: 56
            fontPixelSize: 11
            text: (window.call && window.call.microphoneMuted ? qsTr("Unmute") : qsTr("Mute")) + rootView.languageChangeProperty
            enabled: window.talking
            onClicked: window.call.microphoneMuted ? window.call.unmute() : window.call.mute()
        }
        TextButton {
            objectName: "transferButton"
            width: 62
            fontPixelSize: 11
            text: qsTr("Transfer") + rootView.languageChangeProperty
            enabled: window.talking
            onClicked: rootWindow.openTransferPanel()
        }
        TextButton {
            objectName: "parkButton"
            width: 48
            fontPixelSize: 11
            text: qsTr("Park") + rootView.languageChangeProperty
            enabled: window.talking
            onClicked: rootWindow.openParkPanel()
        }
        TextButton {
            objectName: "hangUpButton"
            width: 70
            fontPixelSize: 11
            normalColor: qomxStyle.colors["declineButton"]
            hoverColor: qomxStyle.colors["declineButton"]
            text: qsTr("Hang Up") + rootView.languageChangeProperty
            onClicked: window.call.close()
        }
    }
}
