#pragma once

#include "libqml/components/call_debug/call_debug_window_base.h"

namespace Kivo {
namespace MediaEngine {
class CallBasePtr;
class CallDebugInfoBase;
} // namespace MediaEngine
} // namespace Kivo

namespace QML {

// The media parameters and statistics of one call, read from the back-end the call runs
// on; a tester may change some of them here.
class CallDebugWindow : public CallDebugWindowBase
{
    Q_OBJECT

public:
    static constexpr const char* WebRtcScene = "qrc:/windows/CallDebug/CallDebugInfoWebRTC.qml";
    static constexpr const char* SpiritScene = "qrc:/windows/CallDebug/CallDebugInfoSpirit.qml";

    CallDebugWindow(Kivo::MediaEngine::CallBasePtr* call, QWidget* parent = nullptr);

    bool loadAndShow() override;
    bool isWebRtc() const { return m_WebRtc; }
    Kivo::MediaEngine::CallDebugInfoBase* debugInfo() const { return m_DebugInfo; }

private:
    Kivo::MediaEngine::CallDebugInfoBase* m_DebugInfo;
    bool m_WebRtc = false;
};

} // namespace QML
