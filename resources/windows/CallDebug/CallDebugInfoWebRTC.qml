import QtQuick 2.15

// The media of a call on the WebRTC back-end as its debug object ("debugInfo") reads them;
// F5 reads them again. The modes write to the back-end.
Rectangle {
    id: root

    width: 400
    height: 600
    focus: true
    color: qomxStyle.colors["lightBackground"]

    Keys.onPressed: {
        if (event.key === Qt.Key_F5) {
            debugInfo.init()
            event.accepted = true
        }
    }

    Text {
        id: lastError
        objectName: "lastError"
        textFormat: Text.PlainText
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 8 }
        wrapMode: Text.WordWrap
        text: debugInfo.lastError
        color: qomxStyle.colors["errorText"]
        font.family: qomxStyle.fontFamily
        font.pixelSize: 12
    }

    Flickable {
        id: flick
        anchors { left: parent.left; right: parent.right; top: lastError.bottom; bottom: parent.bottom; margins: 8 }
        clip: true
        contentWidth: width
        contentHeight: grid.height
        boundsBehavior: Flickable.StopAtBounds

        Grid {
            id: grid

            readonly property int sectionWidth: (width - (columns - 1) * spacing) / columns

            width: flick.width
            columns: Math.floor(root.width / 400) + 1
            spacing: 10

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Video (Sent) statistics")
                DebugLine { label: qsTr("Codec"); value: debugInfo.sendVidCodecName }
                DebugLine { label: qsTr("Size"); value: debugInfo.sendVidCodecSize }
                DebugLine { label: qsTr("Type"); value: debugInfo.sendVidCodecType }
                DebugLine { label: qsTr("Maximum frame rate"); value: debugInfo.sendVidCodecMaxFramerate }
                DebugLine { label: qsTr("Minimum bitrate"); value: debugInfo.sendVidCodecMinBitrate }
                DebugLine { label: qsTr("Start bitrate"); value: debugInfo.sendVidCodecStartBitrate }
                DebugLine { label: qsTr("Target bitrate"); value: debugInfo.sendVidCodecTargetBitrate }
                DebugLine { label: qsTr("Maximum bitrate"); value: debugInfo.sendVidCodecMaxBitrate }
                DebugLine { label: qsTr("Encoder target bitrate"); value: debugInfo.vidCodecTargetBitrate }
                DebugLine { label: qsTr("Key frames"); value: debugInfo.sentVidKeyFrames }
                DebugLine { label: qsTr("Delta frames"); value: debugInfo.sentVidDeltaFrames }
                DebugLine { label: qsTr("Average send delay"); value: debugInfo.vidSendDelayAvg }
                DebugLine { label: qsTr("Maximum send delay"); value: debugInfo.vidSendDelayMax }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Video (Recv) statistics")
                DebugLine { label: qsTr("Codec"); value: debugInfo.recvVidCodecName }
                DebugLine { label: qsTr("Size"); value: debugInfo.recvVidCodecSize }
                DebugLine { label: qsTr("Type"); value: debugInfo.recvVidCodecType }
                DebugLine { label: qsTr("Maximum frame rate"); value: debugInfo.recvVidCodecMaxFramerate }
                DebugLine { label: qsTr("Minimum bitrate"); value: debugInfo.recvVidCodecMinBitrate }
                DebugLine { label: qsTr("Start bitrate"); value: debugInfo.recvVidCodecStartBitrate }
                DebugLine { label: qsTr("Target bitrate"); value: debugInfo.recvVidCodecTargetBitrate }
                DebugLine { label: qsTr("Maximum bitrate"); value: debugInfo.recvVidCodecMaxBitrate }
                DebugLine { label: qsTr("Key frames"); value: debugInfo.recvVidKeyFrames }
                DebugLine { label: qsTr("Delta frames"); value: debugInfo.recvVidDeltaFrames }
                DebugLine { label: qsTr("Receive delay (ms)"); value: debugInfo.receiveSideDelayMs }
                DebugLine { label: qsTr("Discarded for delay"); value: debugInfo.recvVidDelayDiscarded }
                DebugLine { label: qsTr("Discarded"); value: debugInfo.recvVidDiscarded }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Audio statistics")
                DebugLine { label: qsTr("Echo metrics"); value: debugInfo.EcMetric }
                DebugLine { label: qsTr("ERL"); value: debugInfo.ERL }
                DebugLine { label: qsTr("ERLE"); value: debugInfo.ERLE }
                DebugLine { label: qsTr("RERL"); value: debugInfo.RERL }
                DebugLine { label: qsTr("ANLP"); value: debugInfo.ANLP }
                DebugLine { label: qsTr("Delay median"); value: debugInfo.DelayMedian }
                DebugLine { label: qsTr("Delay deviation"); value: debugInfo.DelayStd }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Audio modes")
                DebugLine { label: qsTr("Noise suppression"); value: debugInfo.NsStatus }
                NumberInput { label: qsTr("Noise suppression mode"); name: "NsModes"; value: debugInfo.NsModes }
                DebugLine { label: qsTr("Gain control"); value: debugInfo.AgcStatus }
                NumberInput { label: qsTr("Gain control mode"); name: "AgcStatusMode"; value: debugInfo.AgcStatusMode }
                DebugLine { label: qsTr("Target level"); value: debugInfo.AgcConfigTargetLevel }
                DebugLine { label: qsTr("Compression gain (dB)"); value: debugInfo.AgcConfigDigitalComprGainDB }
                DebugLine { label: qsTr("Limiter"); value: debugInfo.AgcConfigLimiterEnable }
                DebugLine { label: qsTr("Echo cancellation"); value: debugInfo.EcStatus }
                NumberInput { label: qsTr("Echo cancellation mode"); name: "EcModes"; value: debugInfo.EcModes }
                DebugLine { label: qsTr("Mobile echo control mode"); value: debugInfo.AecmMode }
                DebugLine { label: qsTr("Comfort noise"); value: debugInfo.EnabledAecmCNG }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Volume")
                DebugLine { label: qsTr("Microphone volume"); value: debugInfo.MicVolume }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Decode Timing")
                DebugLine { label: qsTr("Decode (ms)"); value: debugInfo.decodeMs }
                DebugLine { label: qsTr("Maximum decode (ms)"); value: debugInfo.decodeMaxMs }
                DebugLine { label: qsTr("Current delay"); value: debugInfo.decodeCurDelay }
                DebugLine { label: qsTr("Target delay"); value: debugInfo.decodeTarDelay }
                DebugLine { label: qsTr("Jitter buffer (ms)"); value: debugInfo.decodeJitBufMs }
                DebugLine { label: qsTr("Minimum playout delay"); value: debugInfo.decodeMinPlayDelay }
                DebugLine { label: qsTr("Render delay"); value: debugInfo.decodeRenderDelay }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Audio Codecs")
                DebugLine { label: qsTr("Sent payload type"); value: debugInfo.SendApltype }
                DebugLine { label: qsTr("Sent codec"); value: debugInfo.SendAplname }
                DebugLine { label: qsTr("Sent frequency"); value: debugInfo.SendAplfreq }
                DebugLine { label: qsTr("Sent packet size"); value: debugInfo.SendApacsize }
                DebugLine { label: qsTr("Sent channels"); value: debugInfo.SendAchannels }
                DebugLine { label: qsTr("Sent rate"); value: debugInfo.SendArate }
                DebugLine { label: qsTr("Received payload type"); value: debugInfo.RecvApltype }
                DebugLine { label: qsTr("Received codec"); value: debugInfo.RecvAplname }
                DebugLine { label: qsTr("Received frequency"); value: debugInfo.RecvAplfreq }
                DebugLine { label: qsTr("Received packet size"); value: debugInfo.RecvApacsize }
                DebugLine { label: qsTr("Received channels"); value: debugInfo.RecvAchannels }
                DebugLine { label: qsTr("Received rate"); value: debugInfo.RecvArate }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Received video stream statistics")
                DebugLine { label: qsTr("Frame rate"); value: debugInfo.recvFrameRate }
                DebugLine { label: qsTr("Bitrate"); value: debugInfo.recvBitRate }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Sent video stream statistics")
                DebugLine { label: qsTr("Frame rate"); value: debugInfo.outFrameRate }
                DebugLine { label: qsTr("Bitrate"); value: debugInfo.outBitRate }
            }
        }
    }
}
