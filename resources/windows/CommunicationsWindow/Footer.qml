import QtQuick 2.15
import Torvex 1.0
import "Call"
import "../../components"

// The window's tool bar: the conversation's actions, how the call goes, the left pane of
// participants and sharing, mute, the loudspeaker's volume, the dial pad and the options.
Rectangle {
    id: footer

    property QtObject session: rootWindow.session
    property QtObject call: session ? session.call : null
    readonly property bool inCall: call !== null && call.callState !== Call.NotInACall
    readonly property bool talking: call !== null && (call.callState === Call.InCall || call.callState === Call.OnHold
                                                      || call.callState === Call.RemoteHold || call.callState === Call.BothHold)
    readonly property var volume: typeof mediaVolumeHelper !== "undefined" ? mediaVolumeHelper : null
    // Below this width the buttons keep their symbols only.
    readonly property int compactWidth: 560
    property bool compact: false

    // When the dial pad was open, the click on its button first activates this window, which
    // hides the pad: that click closes it and must not open it again.
    property double dialpadHiddenAt: 0
    readonly property int dialpadReopenDelay: 600

    function toggleDialpad() {
        if (!rootWindow.dialpadVisible && Date.now() - dialpadHiddenAt < dialpadReopenDelay)
            return
        rootWindow.dialpadVisible = !rootWindow.dialpadVisible
    }

    // The window calls this whenever it is resized.
    function parentResized() {
        compact = width < compactWidth
    }
    // The left pane holds the participants and the share's controls. In a one-to-one
    // conversation without a share it is only there while the user asks for it.
    function toggleSharePanel() {
        var show = !rootWindow.sharePanelVisible
        rootWindow.sharePanelVisible = show
        if (session && !session.group && !session.webCollabActive)
            rootWindow.leftPaneVisible = show
    }

    width: 480
    height: 35
    color: qomxStyle.colors["bottomBarBackground"]

    onWidthChanged: parentResized()

    Connections {
        target: rootWindow
        function onDialpadVisibleChanged() {
            if (!rootWindow.dialpadVisible)
                footer.dialpadHiddenAt = Date.now()
        }
    }

    Toolbar {
        id: toolbar
        objectName: "toolbar"
        anchors { left: parent.left; leftMargin: 8; verticalCenter: parent.verticalCenter }
        showLabels: !footer.compact
    }

    // Between the buttons, never over them: the call's line takes what room is left and
    // shortens itself to fit.
    CallInfo {
        id: callInfo
        objectName: "footerCallInfoBox"
        compact: true
        anchors { left: toolbar.right; leftMargin: footer.compact ? 6 : 10; verticalCenter: parent.verticalCenter }
        width: Math.max(0, controls.x - x - (footer.compact ? 6 : 10))
        height: parent.height
        session: footer.session
    }

    Row {
        id: controls
        anchors { right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
        spacing: footer.compact ? 2 : 4

        FooterButton {
            objectName: "sharePanelButton"
            anchors.verticalCenter: parent.verticalCenter
            visible: footer.session !== null
            iconSource: "qrc:/windows/CommunicationsWindow/footer_participants"
            label: qsTr("Participants") + rootView.languageChangeProperty
            toolTip: (rootWindow.sharePanelVisible ? qsTr("Hide participants and sharing")
                                                   : qsTr("Show participants and sharing")) + rootView.languageChangeProperty
            showLabel: false
            narrow: footer.compact
            checked: rootWindow.sharePanelVisible
            onClicked: footer.toggleSharePanel()
        }
        FooterButton {
            objectName: "muteButton"
            anchors.verticalCenter: parent.verticalCenter
            visible: footer.inCall
            enabled: footer.talking
            iconSource: "qrc:/windows/CommunicationsWindow/"
                        + (footer.call && footer.call.microphoneMuted ? "footer_muted" : "footer_mute")
            label: (footer.call && footer.call.microphoneMuted ? qsTr("Unmute") : qsTr("Mute")) + rootView.languageChangeProperty
            toolTip: (footer.call && footer.call.microphoneMuted ? qsTr("Turn the microphone on")
                                                                 : qsTr("Turn the microphone off")) + rootView.languageChangeProperty
            showLabel: !footer.compact
            narrow: footer.compact
            checked: footer.call !== null && footer.call.microphoneMuted
            onClicked: footer.call.microphoneMuted ? footer.call.unmute() : footer.call.mute()
        }
        // The loudspeaker: a click mutes it, the bar beside it sets its volume.
        FooterButton {
            id: speaker
            objectName: "speakerButton"
            anchors.verticalCenter: parent.verticalCenter
            visible: footer.volume !== null && footer.inCall
            iconSource: "qrc:/windows/CommunicationsWindow/"
                        + (footer.volume && footer.volume.systemMute ? "footer_speaker_off" : "footer_speaker")
            toolTip: (footer.volume && footer.volume.systemMute ? qsTr("Turn the sound on")
                                                                : qsTr("Turn the sound off")) + rootView.languageChangeProperty
            showLabel: false
            narrow: footer.compact
            checked: footer.volume !== null && footer.volume.systemMute
            onClicked: footer.volume.setSystemMute(!footer.volume.systemMute)
        }
        VolumeSlider {
            objectName: "volumeSlider"
            anchors.verticalCenter: parent.verticalCenter
            helper: footer.volume
            showSpeaker: false
            visible: speaker.visible && !footer.compact
        }
        FooterButton {
            objectName: "dialpadButton"
            anchors.verticalCenter: parent.verticalCenter
            visible: footer.inCall
            enabled: footer.talking
            keypadIcon: true
            label: qsTr("Dialpad") + rootView.languageChangeProperty
            toolTip: (rootWindow.dialpadVisible ? qsTr("Hide the dial pad") : qsTr("Show the dial pad")) + rootView.languageChangeProperty
            showLabel: !footer.compact
            narrow: footer.compact
            checked: rootWindow.dialpadVisible
            onClicked: footer.toggleDialpad()
        }
        FooterButton {
            objectName: "optionsButton"
            anchors.verticalCenter: parent.verticalCenter
            iconSource: "qrc:/windows/CommunicationsWindow/footer_options"
            showLabel: !footer.compact
            narrow: footer.compact
            label: qsTr("Options") + rootView.languageChangeProperty
            checked: rootWindow.optionsMenuVisible
            onClicked: rootWindow.showOptionsMenu()
        }
    }
}
