#include <Kivo/MediaEngine/Spirit/MediaHandler.h>

namespace Kivo {
namespace MediaEngine {
namespace Spirit {

namespace {

using P = MediaParameter;

QList<MediaParameter> parameters()
{
    return {
        // Real duplex.
        P::toggle("aec", true), P::fixed("aecMode", 3), P::toggle("aecAutoMode", true), P::toggle("aecNLP", true),
        P::toggle("aecCNG", true), P::toggle("ns", true), P::toggle("agc", true),
        // Audio.
        P::toggle("acSystemSpeakerMute", false), P::level("acSystemSpeakerGain", 70, 0, 100),
        P::toggle("acSystemMicMute", false), P::level("acSystemMicGain", 60, 0, 100), P::toggle("acSpeakerMute", false),
        P::level("acSpeakerGain", 80, 0, 100), P::toggle("acMicMute", false), P::level("acMicGain", 75, 0, 100),
        P::fixed("acMicBoost", 0),
        // Channel.
        P::toggle("channelSpeakerMute", false), P::level("channelSpeakerGain", 50, 0, 100),
        P::toggle("channelMicMute", false), P::level("channelMicGain", 50, 0, 100),
        // Audio channel.
        P::fixed("arsFeedbackOverRTCP", true), P::fixed("disableSendArsFeedback", false),
        P::fixed("disableConfControl", false), P::fixed("disableRTCP", false), P::fixed("enableQOS", true),
        P::fixed("keepAliveSec", 30),
        // Voice encoder.
        P::fixed("voiceEncoderCodecName", QStringLiteral("OPUS")), P::fixed("voiceEncoderPayloadType", 111),
        P::fixed("voiceEncoderSamplingFreq", 48000), P::fixed("voiceEncoderFrameLength", 20),
        P::fixed("voiceEncoderBitrate", 32000), P::fixed("voiceEncoderFECInfoPackets", 0),
        P::fixed("voiceEncoderFECCheckPackets", 0), P::fixed("voiceEncoderFECInterleaving", 0),
        P::fixed("voiceEncoderCodecFlags", 0), P::fixed("voiceEncoderCN", true),
        // Devices.
        P::fixed("audioInputDevice", QStringLiteral("Default microphone")),
        P::fixed("audioOutputDevice", QStringLiteral("Default speaker")),
        P::fixed("videoCaptureDevice", QStringLiteral("Default camera")),
        // Video encoder.
        P::fixed("videoEncoderCodecName", QStringLiteral("H264")), P::fixed("videoEncoderPayloadType", 96),
        P::fixed("videoEncoderBitrate", 768000), P::fixed("videoEncoderFramerate", 30),
        P::fixed("videoEncoderKeyPeriod", 300), P::fixed("videoEncoderImageSize", QStringLiteral("640x480")),
        P::fixed("videoEncoderRedundancy", 0), P::fixed("videoEncoderFECInfoPackets", 4),
        P::fixed("videoEncoderFECCheckPackets", 1), P::fixed("videoEncoderCodecFlags", 0),
        P::fixed("videoEncoderVEQProfile", 1),
        // CPU load control.
        P::fixed("CpuStateEnabled", true), P::fixed("CpuStateProcess", 12), P::fixed("CpuStateTotal", 31),
        P::fixed("CpuParmEnabled", true), P::fixed("CpuParmMaxProcess", 60), P::fixed("CpuParmMaxTotal", 85),
        // Sent video.
        P::fixed("sendStreamPayloadType", 96), P::fixed("sendStreamCodecName", QStringLiteral("H264")),
        P::fixed("sendStreamResolution", QStringLiteral("640x480")), P::counter("sendStreamFrames", 30),
        P::fixed("sendStreamFPS", 30), P::fixed("sendStreamDropFrames", 0), P::fixed("sendStreamDropFPS", 0),
        P::counter("sendStreamIntraFrames", 0.1), P::fixed("sendStreamResetCount", 0),
        P::fixed("sendStreamCurrentQueueLength", 2), P::fixed("sendStreamEfficientJitter", 4),
        P::fixed("sendStreamAverageJitter", 6), P::fixed("sendStreamPeakJitter", 18),
        P::fixed("sendStreamAverageRtxDelay", 40), P::fixed("sendStreamPeakRtxDelay", 95),
        P::counter("sendStreamRTPLostPacketsTotal", 0.05), P::fixed("sendStreamRTPLostPacketsRate", 0),
        // Received video.
        P::fixed("recvStreamCodecName", QStringLiteral("H264")), P::fixed("recvStreamPayloadType", 96),
        P::fixed("recvStreamResolution", QStringLiteral("640x480")), P::fixed("recvStreamBitrate", 742000),
        P::fixed("recvStreamBitrateFull", 768000), P::fixed("recvStreamFrameRate", 30),
        P::counter("recvStreamFramesDecoded", 30), P::counter("recvStreamIntraFramesDecoded", 0.1),
        P::fixed("recvStreamPacketRate", 90), P::counter("recvStreamPacketsReceived", 90),
        P::counter("recvStreamPacketsLost", 0.05), P::counter("recvStreamPacketsRecovered", 0.04),
        P::counter("recvStreamPacketsRetransmitted", 0.02), P::counter("recvStreamPayloadReceived", 92000),
        P::counter("recvStreamTotalReceived", 96000), P::counter("recvStreamOnlineTime", 1),
        P::fixed("recvStreamInactiveTime", 0), P::fixed("recvStreamJitter", 5), P::fixed("recvStreamRtxDelay", 42),
        P::fixed("recvStreamQueueTimeLength", 60), P::fixed("recvStreamResetCount", 0),
        // Automatic bitrate selection.
        P::toggle("enableARS", true), P::toggle("arsAutoFec", true), P::level("arsProfile", 1, 0, 3),
        P::level("arsInitialBitrate", 512, 64, 4096), P::level("arsHiBitrate", 1024, 64, 4096),
        P::level("arsLoBitrate", 128, 64, 4096), P::level("arsHiFramerate", 30, 1, 60),
        P::level("arsLoFramerate", 10, 1, 60), P::toggle("arsFrameResize", true),
    };
}

} // namespace

MediaHandler::MediaHandler(QObject* parent)
    : MediaParameters(parameters(), parent)
{
}

} // namespace Spirit
} // namespace MediaEngine
} // namespace Kivo
