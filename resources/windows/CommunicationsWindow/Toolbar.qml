import QtQuick 2.15

// The conversation's actions as buttons: each one starts what the conversation lacks or ends
// what it has (chat, call, video, share), sends a file or parks the call. The chat's button
// carries the count of messages that came while the window was not looked at.
Row {
    id: toolbar

    property QtObject session: rootWindow.session
    property QtObject call: session ? session.call : null
    property int missedCount: rootWindow.newMessageCount
    // Only symbols when the footer is narrow.
    property bool showLabels: true

    readonly property bool callUp: session !== null && session.callActive
    readonly property bool videoUp: call !== null && call.videoCall

    // The capped form keeps the badge one size whatever the count.
    function badgeText(count) {
        return count > 9 ? "9+" : String(count)
    }
    // The theme's icon of each action the footer offers; none for the others.
    function iconOf(id) {
        var base = "qrc:/windows/CommunicationsWindow/"
        switch (id) {
        case 3: return base + "footer_chat"
        case 4: return base + (callUp ? "footer_hangup" : "footer_call")
        case 5: return base + "footer_phone"
        case 6: return base + "footer_video"
        case 7: return base + "footer_share"
        case 10: return base + "footer_sendfile"
        case 21: return base + "footer_park"
        }
        return ""
    }
    function labelOf(id) {
        var chatUp = session !== null && session.chatActive
        var shareUp = session !== null && session.webCollabActive
        switch (id) {
        case 3: return chatUp ? qsTr("End Chat") : qsTr("Chat")
        case 4: return callUp ? qsTr("End Call") : qsTr("Call")
        case 5: return qsTr("Call from Phone")
        case 6: return !callUp ? qsTr("Video Call") : videoUp ? qsTr("Stop Video") : qsTr("Add Video")
        case 7: return shareUp ? qsTr("Stop Sharing") : qsTr("Share Desktop")
        case 10: return qsTr("Send File")
        case 21: return qsTr("Park")
        }
        return ""
    }
    // What is on shows pressed; the call's own button turns red to end it.
    function isOn(id) {
        if (!session)
            return false
        switch (id) {
        case 3: return session.chatActive
        case 6: return videoUp
        case 7: return session.webCollabActive
        }
        return false
    }

    spacing: showLabels ? 4 : 2

    Repeater {
        model: rootWindow.actionsProvider
        delegate: FooterButton {
            readonly property var action: model.action
            readonly property int actionId: action ? action.id : 0
            objectName: "actionButton" + actionId
            visible: toolbar.iconOf(actionId).length > 0
            enabled: toolbar.session !== null && action !== null && action.enabled
            iconSource: toolbar.iconOf(actionId)
            label: toolbar.labelOf(actionId) + rootView.languageChangeProperty
            showLabel: toolbar.showLabels && (actionId === 3 || actionId === 4)
            narrow: !toolbar.showLabels
            checked: toolbar.isOn(actionId)
            onClicked: rootWindow.actionsProvider.triggerAction(actionId)

            Rectangle {
                objectName: parent.actionId === 3 ? "newMessageBadge" : ""
                visible: parent.actionId === 3 && toolbar.missedCount > 0
                anchors { right: parent.right; top: parent.top; rightMargin: -4; topMargin: -3 }
                width: Math.max(height, badgeLabel.implicitWidth + 6)
                height: 14
                radius: 7
                color: qomxStyle.colors["infoBadgeActive"]
                Text {
                    id: badgeLabel
                    objectName: parent.parent.actionId === 3 ? "newMessageBadgeText" : ""
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    text: toolbar.badgeText(toolbar.missedCount)
                    color: qomxStyle.colors["infoBadgeActiveText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 9
                    font.bold: true
                }
            }
        }
    }
}
