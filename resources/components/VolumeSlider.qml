import QtQuick 2.15

// The loudspeaker's volume over a media volume helper (systemVolume 0-100, systemMute): the
// speaker mutes and unmutes, a click or a drag on the bar sets the volume and takes the mute
// off. While the mouse moves, the volume follows once it rests for PauseMs, so a drag sends
// a few values rather than one per pixel; letting go sends the last one at once.
Row {
    id: slider

    // The media volume helper; the slider hides without one.
    property var helper: null
    property bool showSpeaker: true
    property int barWidth: 64
    readonly property int pauseMs: 150
    readonly property bool muted: helper !== null && (helper.systemMute || helper.systemVolume === 0)
    // What the bar shows: the value being dragged, else the helper's.
    readonly property int value: dragging ? pending : (helper !== null ? helper.systemVolume : 0)
    property bool dragging: false
    property int pending: 0

    function apply(volume) {
        if (helper === null)
            return
        if (helper.systemMute)
            helper.setSystemMute(false)
        helper.setSystemVolume(volume)
    }
    function valueAt(x) {
        return Math.round(Math.max(0, Math.min(1, x / bar.width)) * 100)
    }

    visible: helper !== null
    spacing: 4

    Timer {
        id: pause
        interval: slider.pauseMs
        onTriggered: slider.apply(slider.pending)
    }

    // The speaker: sound waves, or a red cross while muted.
    Item {
        id: speaker
        objectName: "volumeSpeaker"
        visible: slider.showSpeaker
        width: 18
        height: 18
        anchors.verticalCenter: parent.verticalCenter
        Rectangle {
            anchors.fill: parent
            radius: 3
            color: speakerArea.containsMouse ? qomxStyle.colors["bottomBarHoverButtonBackground"] : "transparent"
        }
        Image {
            objectName: "speakerIcon"
            anchors.centerIn: parent
            width: 16
            height: 16
            sourceSize { width: 16; height: 16 }
            source: slider.muted ? "qrc:/windows/CommunicationsWindow/footer_speaker_off"
                                 : "qrc:/windows/CommunicationsWindow/footer_speaker"
        }
        MouseArea {
            id: speakerArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: slider.helper.setSystemMute(!slider.helper.systemMute)
        }
    }

    Item {
        id: bar
        objectName: "volumeBar"
        width: slider.barWidth
        height: 18
        anchors.verticalCenter: parent.verticalCenter

        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width
            height: 4
            radius: 2
            color: qomxStyle.colors["mediumDivider"]
            Rectangle {
                width: parent.width * slider.value / 100
                height: parent.height
                radius: 2
                color: slider.muted ? qomxStyle.colors["mediumText"] : qomxStyle.colors["highlightText"]
            }
        }
        Rectangle {
            objectName: "volumeHandle"
            x: (bar.width - width) * slider.value / 100
            anchors.verticalCenter: parent.verticalCenter
            width: 10
            height: 10
            radius: 5
            color: qomxStyle.colors["whiteBackground"]
            border.color: qomxStyle.colors["darkText"]
        }
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            preventStealing: true
            onPressed: {
                slider.pending = slider.valueAt(mouse.x)
                slider.dragging = true
                pause.restart()
            }
            onPositionChanged: {
                if (!pressed)
                    return
                slider.pending = slider.valueAt(mouse.x)
                pause.restart()
            }
            onReleased: {
                pause.stop()
                slider.apply(slider.pending)
                slider.dragging = false
            }
            onCanceled: {
                pause.stop()
                slider.dragging = false
            }
            onWheel: slider.apply(Math.max(0, Math.min(100, slider.value + (wheel.angleDelta.y > 0 ? 5 : -5))))
        }
    }
}
