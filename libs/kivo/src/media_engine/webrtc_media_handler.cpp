#include <Kivo/MediaEngine/WebRTC/MediaHandler.h>

namespace Kivo {
namespace MediaEngine {
namespace WebRTC {

namespace {

using P = MediaParameter;

QList<MediaParameter> parameters()
{
    const QString vp8 = QStringLiteral("VP8");
    const QString vga = QStringLiteral("640x480");
    const QString opus = QStringLiteral("opus");
    return {
        // Sent video.
        P::fixed("sendVidCodecName", vp8), P::fixed("sendVidCodecSize", vga), P::fixed("sendVidCodecType", 1),
        P::fixed("sendVidCodecMaxFramerate", 30), P::fixed("sendVidCodecMinBitrate", 50),
        P::fixed("sendVidCodecStartBitrate", 300), P::fixed("sendVidCodecTargetBitrate", 800),
        P::fixed("sendVidCodecMaxBitrate", 2000), P::fixed("vidCodecTargetBitrate", 780),
        P::counter("sentVidKeyFrames", 0.1), P::counter("sentVidDeltaFrames", 30), P::fixed("vidSendDelayAvg", 12),
        P::fixed("vidSendDelayMax", 40),
        // Received video.
        P::fixed("recvVidCodecName", vp8), P::fixed("recvVidCodecSize", vga), P::fixed("recvVidCodecType", 1),
        P::fixed("recvVidCodecMaxFramerate", 30), P::fixed("recvVidCodecMinBitrate", 50),
        P::fixed("recvVidCodecStartBitrate", 300), P::fixed("recvVidCodecTargetBitrate", 800),
        P::fixed("recvVidCodecMaxBitrate", 2000), P::counter("recvVidKeyFrames", 0.1),
        P::counter("recvVidDeltaFrames", 30), P::fixed("receiveSideDelayMs", 45), P::fixed("recvVidDelayDiscarded", 0),
        P::fixed("recvVidDiscarded", 0),
        // Audio processing.
        P::fixed("NsStatus", true), P::level("NsModes", 2, 0, 3), P::fixed("AgcStatus", true),
        P::level("AgcStatusMode", 1, 0, 2), P::fixed("AgcConfigTargetLevel", 3),
        P::fixed("AgcConfigDigitalComprGainDB", 9), P::fixed("AgcConfigLimiterEnable", true), P::fixed("EcStatus", true),
        P::level("EcModes", 2, 0, 4), P::fixed("AecmMode", 3), P::fixed("EnabledAecmCNG", true),
        P::fixed("EcMetric", true), P::fixed("ERL", 27), P::fixed("ERLE", 18), P::fixed("RERL", 45),
        P::fixed("ANLP", 21), P::fixed("DelayMedian", 48), P::fixed("DelayStd", 6), P::fixed("MicVolume", 180),
        // Decoding.
        P::fixed("decodeMs", 4), P::fixed("decodeMaxMs", 11), P::fixed("decodeCurDelay", 60),
        P::fixed("decodeTarDelay", 60), P::fixed("decodeJitBufMs", 40), P::fixed("decodeMinPlayDelay", 0),
        P::fixed("decodeRenderDelay", 10),
        // Audio codecs.
        P::fixed("SendApltype", 111), P::fixed("SendAplname", opus), P::fixed("SendAplfreq", 48000),
        P::fixed("SendApacsize", 960), P::fixed("SendAchannels", 2), P::fixed("SendArate", 32000),
        P::fixed("RecvApltype", 111), P::fixed("RecvAplname", opus), P::fixed("RecvAplfreq", 48000),
        P::fixed("RecvApacsize", 960), P::fixed("RecvAchannels", 2), P::fixed("RecvArate", 32000),
        // Streams.
        P::fixed("recvFrameRate", 30), P::fixed("recvBitRate", 742), P::fixed("outFrameRate", 30),
        P::fixed("outBitRate", 768),
    };
}

} // namespace

MediaHandler::MediaHandler(QObject* parent)
    : MediaParameters(parameters(), parent)
{
}

} // namespace WebRTC
} // namespace MediaEngine
} // namespace Kivo
