import QtQuick 2.15
import Torvex 1.0

// How far the conversation's call is and for how long it has been up: the state's text, the
// running time, and what kind of conversation it is. The footer shows it in one line.
Item {
    id: info

    property QtObject session: rootWindow.session
    property QtObject call: session ? session.call : null
    // One line (the footer's) instead of the call pane's two.
    property bool compact: false
    readonly property bool inCall: call !== null && call.callState !== Call.NotInACall
    readonly property bool talking: call !== null && (call.callState === Call.InCall || call.callState === Call.OnHold
                                                      || call.callState === Call.RemoteHold || call.callState === Call.BothHold)
    property int elapsed: 0

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
        }
        return qsTr("Call ended")
    }
    // Minutes and seconds, with hours in front once the call has run that long.
    function durationText(seconds) {
        if (seconds < 0)
            seconds = 0
        var h = Math.floor(seconds / 3600)
        var m = Math.floor((seconds % 3600) / 60)
        var s = seconds % 60
        var two = function(n) { return (n < 10 ? "0" : "") + n }
        return (h > 0 ? h + ":" + two(m) : two(m)) + ":" + two(s)
    }
    function refreshElapsed() {
        var start = call ? call.startTime : null
        elapsed = talking && start && !isNaN(start.getTime()) ? Math.floor((Date.now() - start.getTime()) / 1000) : 0
    }

    implicitWidth: compact ? line.implicitWidth : Math.max(status.implicitWidth, kind.implicitWidth)
    implicitHeight: compact ? line.implicitHeight : status.implicitHeight + kind.implicitHeight + 2
    visible: inCall

    onTalkingChanged: refreshElapsed()
    onCallChanged: refreshElapsed()

    Timer {
        interval: 1000
        repeat: true
        running: info.talking && info.visible
        onTriggered: info.refreshElapsed()
    }

    Text {
        id: status
        objectName: info.compact ? "footerCallStatus" : "callStatus"
        textFormat: Text.PlainText
        visible: !info.compact
        anchors.right: parent.right
        font.family: qomxStyle.fontFamily
        font.pixelSize: 13
        color: qomxStyle.colors["mediumText"]
        text: info.stateText() + rootView.languageChangeProperty
    }
    Text {
        id: kind
        objectName: info.compact ? "" : "callDuration"
        textFormat: Text.PlainText
        visible: !info.compact && info.talking
        anchors { right: parent.right; top: status.bottom; topMargin: 2 }
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
        color: qomxStyle.colors["darkText"]
        text: info.durationText(info.elapsed)
    }
    // "Call: In call 01:05"; the helper names what kind of conversation it is. Where that
    // does not fit, the state and time alone, cut short at the end where even they do not.
    readonly property string shortLine: stateText() + (talking ? " " + durationText(elapsed) : "")
                                        + rootView.languageChangeProperty
    readonly property string fullLine: {
        var tip = rootWindow.commsSessionUiHelper && info.session
                ? rootWindow.commsSessionUiHelper.getCommunicationStatusTip(info.session) : ""
        return (tip.length > 0 ? tip + ": " : "") + shortLine
    }
    TextMetrics {
        id: fullMetrics
        font: line.font
        text: info.fullLine
    }
    Text {
        id: line
        objectName: info.compact ? "footerCallInfo" : ""
        textFormat: Text.PlainText
        visible: info.compact && width > 0
        anchors.verticalCenter: parent.verticalCenter
        font.family: qomxStyle.fontFamily
        font.pixelSize: 11
        color: qomxStyle.colors["darkText"]
        elide: Text.ElideRight
        clip: true
        width: Math.max(0, Math.min(implicitWidth, info.width))
        text: fullMetrics.advanceWidth <= info.width ? info.fullLine : info.shortLine
    }
}
