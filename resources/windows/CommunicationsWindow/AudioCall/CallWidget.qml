import QtQuick 2.15
import Torvex 1.0
import "../../../controls"
import "../../../components"
import "../../MainWindow/Presence"
import "../Call"

// The call's side of a conversation: who is on the other end (picture, presence, where they
// are and their local time, their status), how far the call is, and what can be done with it.
Rectangle {
    id: pane

    property QtObject session: rootWindow.session
    property QtObject call: session ? session.call : null
    property QtObject contact: session ? session.contact : null
    readonly property var presence: contact && contact.presence ? contact.presence : null
    readonly property bool inCall: call !== null && call.callState !== Call.NotInACall
    readonly property bool showPicture: typeof profilePictureHelper !== "undefined" && profilePictureHelper !== null
                                        && profilePictureHelper.showProfilePictures
    readonly property string name: {
        var title = rootWindow.commsSessionUiHelper && session
                ? rootWindow.commsSessionUiHelper.getFormCommunicationTitle(session) : ""
        if (contact && contact.displayName)
            return contact.displayName
        if (title.length > 0)
            return title
        return call ? call.displayName : ""
    }
    // Where the contact is and what time it is there, as far as their presence tells.
    property string localTime: ""
    readonly property string whereAndWhen: {
        var parts = []
        if (presence && presence.locationText.length > 0)
            parts.push(presence.locationText)
        if (localTime.length > 0)
            parts.push(localTime)
        return parts.join("  \u00B7  ")
    }

    function refreshLocalTime() {
        localTime = presence ? presence.localTime() : ""
    }

    width: 480
    height: 115
    color: qomxStyle.colors["whiteBackground"]

    onPresenceChanged: refreshLocalTime()
    Component.onCompleted: refreshLocalTime()

    Connections {
        target: pane.presence
        ignoreUnknownSignals: true
        function onLocationChanged() { pane.refreshLocalTime() }
    }
    Timer {
        interval: 30000
        repeat: true
        running: pane.presence !== null && pane.visible
        onTriggered: pane.refreshLocalTime()
    }

    // The caller's picture on a disc, or the first letter of the name.
    Avatar {
        id: avatar
        objectName: "callAvatar"
        x: 16
        y: 12
        width: visible ? 50 : 0
        height: 50
        visible: pane.showPicture && pane.name.length > 0
        presence: pane.presence
        name: pane.name
    }

    PresenceDot {
        id: presenceIcon
        objectName: "callPresenceIcon"
        anchors { left: avatar.right; leftMargin: avatar.visible ? 4 : 0; verticalCenter: callerName.verticalCenter }
        visible: pane.presence !== null
        width: visible ? 12 : 0
        height: 12
        presence: visible ? pane.presence.internalPresence : 0
    }

    CallInfo {
        id: callInfo
        objectName: "callInfo"
        anchors { right: parent.right; rightMargin: 16; top: parent.top; topMargin: 12 }
        width: implicitWidth
        height: implicitHeight
        session: pane.session
    }

    Text {
        id: callerName
        objectName: "callerName"
        anchors { left: presenceIcon.right; leftMargin: 6; top: parent.top; topMargin: 10 }
        width: callInfo.x - x - 12
        elide: Text.ElideRight
        textFormat: Text.PlainText
        font.family: qomxStyle.fontFamily
        font.pixelSize: 18
        font.bold: true
        color: qomxStyle.colors["darkText"]
        text: pane.name
    }

    Column {
        anchors { left: callerName.left; right: callerName.right; top: callerName.bottom; topMargin: 2 }
        spacing: 1
        Text {
            objectName: "contactLocation"
            width: parent.width
            visible: text.length > 0
            elide: Text.ElideRight
            textFormat: Text.PlainText
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            color: qomxStyle.colors["listSecondLineText"]
            text: pane.whereAndWhen
        }
        Text {
            objectName: "contactStatusText"
            width: parent.width
            visible: text.length > 0
            elide: Text.ElideRight
            textFormat: Text.PlainText
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            font.italic: true
            color: qomxStyle.colors["mediumText"]
            text: pane.presence ? pane.presence.statusText : ""
        }
    }

    Row {
        x: 16
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        spacing: 6
        visible: pane.inCall

        TextButton {
            objectName: "holdButton"
            width: 62
            height: 26
            fontPixelSize: 11
            // Only the user's own hold is taken back here; the other party's is theirs.
            text: (pane.call && (pane.call.callState === Call.OnHold || pane.call.callState === Call.BothHold)
                   ? qsTr("Resume") : qsTr("Hold"))
                  + rootView.languageChangeProperty
            enabled: callInfo.talking
            onClicked: pane.call.toggleHold()
        }
        TextButton {
            objectName: "transferButton"
            width: 70
            height: 26
            fontPixelSize: 11
            text: qsTr("Transfer") + rootView.languageChangeProperty
            enabled: callInfo.talking
            onClicked: rootWindow.openTransferPanel()
        }
        TextButton {
            objectName: "parkButton"
            width: 56
            height: 26
            fontPixelSize: 11
            text: qsTr("Park") + rootView.languageChangeProperty
            enabled: callInfo.talking
            onClicked: rootWindow.openParkPanel()
        }
        TextButton {
            objectName: "hangUpButton"
            width: 76
            height: 26
            fontPixelSize: 11
            normalColor: qomxStyle.colors["declineButton"]
            hoverColor: qomxStyle.colors["declineButton"]
            text: qsTr("Hang Up") + rootView.languageChangeProperty
            onClicked: pane.call.close()
        }
    }
}
