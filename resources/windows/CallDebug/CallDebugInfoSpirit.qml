import QtQuick 2.15

// The media of a call on the Spirit back-end as its debug object ("debugInfo") reads them;
// F5 reads them again. The switches, levels and numbers write to the back-end.
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
                title: qsTr("Real duplex params")
                DebugSwitch { label: qsTr("Echo cancellation"); name: "aec"; value: debugInfo.aec }
                DebugLine { label: qsTr("AEC mode (0: Headset; 1: Half duplex, time domain; 2: Half duplex, frequency domain; 3: Full duplex)"); value: debugInfo.aecMode }
                DebugSwitch { label: qsTr("Automatic AEC mode"); name: "aecAutoMode"; value: debugInfo.aecAutoMode }
                DebugSwitch { label: qsTr("Non-linear processing"); name: "aecNLP"; value: debugInfo.aecNLP }
                DebugSwitch { label: qsTr("Comfort noise generation"); name: "aecCNG"; value: debugInfo.aecCNG }
                DebugSwitch { label: qsTr("Noise suppression"); name: "ns"; value: debugInfo.ns }
                DebugSwitch { label: qsTr("Automatic gain control"); name: "agc"; value: debugInfo.agc }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Audio parameters")
                DebugSwitch { label: qsTr("System speaker mute"); name: "acSystemSpeakerMute"; value: debugInfo.acSystemSpeakerMute }
                VolumeSelector { label: qsTr("System speaker gain"); name: "acSystemSpeakerGain"; value: debugInfo.acSystemSpeakerGain }
                DebugSwitch { label: qsTr("System microphone mute"); name: "acSystemMicMute"; value: debugInfo.acSystemMicMute }
                VolumeSelector { label: qsTr("System microphone gain"); name: "acSystemMicGain"; value: debugInfo.acSystemMicGain }
                DebugSwitch { label: qsTr("Speaker mute"); name: "acSpeakerMute"; value: debugInfo.acSpeakerMute }
                VolumeSelector { label: qsTr("Speaker gain"); name: "acSpeakerGain"; value: debugInfo.acSpeakerGain }
                DebugSwitch { label: qsTr("Microphone mute"); name: "acMicMute"; value: debugInfo.acMicMute }
                VolumeSelector { label: qsTr("Microphone gain"); name: "acMicGain"; value: debugInfo.acMicGain }
                DebugLine { label: qsTr("Mic boost behavior (0: No change; 1: Force to enable; 2: Force to disable)"); value: debugInfo.acMicBoost }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Channel audio parameters")
                DebugSwitch { label: qsTr("Channel speaker mute"); name: "channelSpeakerMute"; value: debugInfo.channelSpeakerMute }
                VolumeSelector { label: qsTr("Channel speaker gain"); name: "channelSpeakerGain"; value: debugInfo.channelSpeakerGain }
                DebugSwitch { label: qsTr("Channel microphone mute"); name: "channelMicMute"; value: debugInfo.channelMicMute }
                VolumeSelector { label: qsTr("Channel microphone gain"); name: "channelMicGain"; value: debugInfo.channelMicGain }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Audio channel parameters (not editable)")
                DebugLine { label: qsTr("ARS feedback over RTCP"); value: debugInfo.arsFeedbackOverRTCP }
                DebugLine { label: qsTr("ARS feedback not sent"); value: debugInfo.disableSendArsFeedback }
                DebugLine { label: qsTr("Conference control off"); value: debugInfo.disableConfControl }
                DebugLine { label: qsTr("RTCP off"); value: debugInfo.disableRTCP }
                DebugLine { label: qsTr("QOS"); value: debugInfo.enableQOS }
                DebugLine { label: qsTr("Keep-alive (s)"); value: debugInfo.keepAliveSec }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Voice encoder parameters")
                DebugLine { label: qsTr("Codec"); value: debugInfo.voiceEncoderCodecName }
                DebugLine { label: qsTr("Payload type"); value: debugInfo.voiceEncoderPayloadType }
                DebugLine { label: qsTr("Sampling frequency"); value: debugInfo.voiceEncoderSamplingFreq }
                DebugLine { label: qsTr("Frame length (ms)"); value: debugInfo.voiceEncoderFrameLength }
                DebugLine { label: qsTr("Bitrate"); value: debugInfo.voiceEncoderBitrate }
                DebugLine { label: qsTr("FEC info packets"); value: debugInfo.voiceEncoderFECInfoPackets }
                DebugLine { label: qsTr("FEC check packets"); value: debugInfo.voiceEncoderFECCheckPackets }
                DebugLine { label: qsTr("FEC interleaving"); value: debugInfo.voiceEncoderFECInterleaving }
                DebugLine { label: qsTr("Codec flags"); value: debugInfo.voiceEncoderCodecFlags }
                DebugLine { label: qsTr("Comfort noise"); value: debugInfo.voiceEncoderCN }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Input/Output devices")
                DebugLine { label: qsTr("Audio input"); value: debugInfo.audioInputDevice }
                DebugLine { label: qsTr("Audio output"); value: debugInfo.audioOutputDevice }
                DebugLine { label: qsTr("Video capture"); value: debugInfo.videoCaptureDevice }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Video encoder parameters")
                DebugLine { label: qsTr("Codec"); value: debugInfo.videoEncoderCodecName }
                DebugLine { label: qsTr("Payload type"); value: debugInfo.videoEncoderPayloadType }
                DebugLine { label: qsTr("Bitrate"); value: debugInfo.videoEncoderBitrate }
                DebugLine { label: qsTr("Frame rate"); value: debugInfo.videoEncoderFramerate }
                DebugLine { label: qsTr("Key frame period"); value: debugInfo.videoEncoderKeyPeriod }
                DebugLine { label: qsTr("Image size"); value: debugInfo.videoEncoderImageSize }
                DebugLine { label: qsTr("Redundancy"); value: debugInfo.videoEncoderRedundancy }
                DebugLine { label: qsTr("FEC info packets"); value: debugInfo.videoEncoderFECInfoPackets }
                DebugLine { label: qsTr("FEC check packets"); value: debugInfo.videoEncoderFECCheckPackets }
                DebugLine { label: qsTr("Codec flags"); value: debugInfo.videoEncoderCodecFlags }
                DebugLine { label: qsTr("VEQ profile"); value: debugInfo.videoEncoderVEQProfile }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("CPU Load Control")
                DebugLine { label: qsTr("State enabled"); value: debugInfo.CpuStateEnabled }
                DebugLine { label: qsTr("Process load (%)"); value: debugInfo.CpuStateProcess }
                DebugLine { label: qsTr("Total load (%)"); value: debugInfo.CpuStateTotal }
                DebugLine { label: qsTr("Control enabled"); value: debugInfo.CpuParmEnabled }
                DebugLine { label: qsTr("Maximum process load (%)"); value: debugInfo.CpuParmMaxProcess }
                DebugLine { label: qsTr("Maximum total load (%)"); value: debugInfo.CpuParmMaxTotal }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Sent video stream statistics")
                DebugLine { label: qsTr("Payload type"); value: debugInfo.sendStreamPayloadType }
                DebugLine { label: qsTr("Codec"); value: debugInfo.sendStreamCodecName }
                DebugLine { label: qsTr("Resolution"); value: debugInfo.sendStreamResolution }
                DebugLine { label: qsTr("Frames"); value: debugInfo.sendStreamFrames }
                DebugLine { label: qsTr("Frames per second"); value: debugInfo.sendStreamFPS }
                DebugLine { label: qsTr("Dropped frames"); value: debugInfo.sendStreamDropFrames }
                DebugLine { label: qsTr("Dropped per second"); value: debugInfo.sendStreamDropFPS }
                DebugLine { label: qsTr("Intra frames"); value: debugInfo.sendStreamIntraFrames }
                DebugLine { label: qsTr("Resets"); value: debugInfo.sendStreamResetCount }
                DebugLine { label: qsTr("Queue length"); value: debugInfo.sendStreamCurrentQueueLength }
                DebugLine { label: qsTr("Efficient jitter"); value: debugInfo.sendStreamEfficientJitter }
                DebugLine { label: qsTr("Average jitter"); value: debugInfo.sendStreamAverageJitter }
                DebugLine { label: qsTr("Peak jitter"); value: debugInfo.sendStreamPeakJitter }
                DebugLine { label: qsTr("Average retransmission delay"); value: debugInfo.sendStreamAverageRtxDelay }
                DebugLine { label: qsTr("Peak retransmission delay"); value: debugInfo.sendStreamPeakRtxDelay }
                DebugLine { label: qsTr("RTP packets lost"); value: debugInfo.sendStreamRTPLostPacketsTotal }
                DebugLine { label: qsTr("RTP loss rate"); value: debugInfo.sendStreamRTPLostPacketsRate }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Received video stream statistics")
                DebugLine { label: qsTr("Codec"); value: debugInfo.recvStreamCodecName }
                DebugLine { label: qsTr("Payload type"); value: debugInfo.recvStreamPayloadType }
                DebugLine { label: qsTr("Resolution"); value: debugInfo.recvStreamResolution }
                DebugLine { label: qsTr("Bitrate"); value: debugInfo.recvStreamBitrate }
                DebugLine { label: qsTr("Bitrate with overhead"); value: debugInfo.recvStreamBitrateFull }
                DebugLine { label: qsTr("Frame rate"); value: debugInfo.recvStreamFrameRate }
                DebugLine { label: qsTr("Frames decoded"); value: debugInfo.recvStreamFramesDecoded }
                DebugLine { label: qsTr("Intra frames decoded"); value: debugInfo.recvStreamIntraFramesDecoded }
                DebugLine { label: qsTr("Packet rate"); value: debugInfo.recvStreamPacketRate }
                DebugLine { label: qsTr("Packets received"); value: debugInfo.recvStreamPacketsReceived }
                DebugLine { label: qsTr("Packets lost"); value: debugInfo.recvStreamPacketsLost }
                DebugLine { label: qsTr("Packets recovered"); value: debugInfo.recvStreamPacketsRecovered }
                DebugLine { label: qsTr("Packets retransmitted"); value: debugInfo.recvStreamPacketsRetransmitted }
                DebugLine { label: qsTr("Payload received"); value: debugInfo.recvStreamPayloadReceived }
                DebugLine { label: qsTr("Total received"); value: debugInfo.recvStreamTotalReceived }
                DebugLine { label: qsTr("Online time (s)"); value: debugInfo.recvStreamOnlineTime }
                DebugLine { label: qsTr("Inactive time (s)"); value: debugInfo.recvStreamInactiveTime }
                DebugLine { label: qsTr("Jitter"); value: debugInfo.recvStreamJitter }
                DebugLine { label: qsTr("Retransmission delay"); value: debugInfo.recvStreamRtxDelay }
                DebugLine { label: qsTr("Queue time"); value: debugInfo.recvStreamQueueTimeLength }
                DebugLine { label: qsTr("Resets"); value: debugInfo.recvStreamResetCount }
            }

            DebugSection {
                width: grid.sectionWidth
                title: qsTr("Video Automatic bitRate Selector (ARS) parameters")
                DebugSwitch { label: qsTr("Enabled"); name: "enableARS"; value: debugInfo.enableARS }
                NumberInput { label: qsTr("Profile"); name: "arsProfile"; value: debugInfo.arsProfile }
                NumberInput { label: qsTr("Initial bitrate"); name: "arsInitialBitrate"; value: debugInfo.arsInitialBitrate }
                NumberInput { label: qsTr("Low bitrate"); name: "arsLoBitrate"; value: debugInfo.arsLoBitrate }
                NumberInput { label: qsTr("High bitrate"); name: "arsHiBitrate"; value: debugInfo.arsHiBitrate }
                NumberInput { label: qsTr("Low frame rate"); name: "arsLoFramerate"; value: debugInfo.arsLoFramerate }
                NumberInput { label: qsTr("High frame rate"); name: "arsHiFramerate"; value: debugInfo.arsHiFramerate }
                DebugSwitch { label: qsTr("Frame resize"); name: "arsFrameResize"; value: debugInfo.arsFrameResize }
                DebugSwitch { label: qsTr("Automatic FEC"); name: "arsAutoFec"; value: debugInfo.arsAutoFec }
            }
        }
    }
}
