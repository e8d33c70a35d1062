#include "libqml/components/call_debug/call_debug_window.h"

#include "common/logging.h"
#include "libqml/window/qml_view.h"

#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/MediaEngine/Spirit/CallDebugInfo.h>
#include <Kivo/MediaEngine/WebRTC/CallDebugInfo.h>
#include <Kivo/MediaEngine/WebRTC/MediaHandler.h>

#include <QQmlContext>

namespace QML {

namespace {

Kivo::MediaEngine::CallDebugInfoBase* debugInfoFor(Kivo::MediaEngine::CallBasePtr* call, bool webRtc, QObject* parent)
{
    if (webRtc)
        return new Kivo::MediaEngine::WebRTC::CallDebugInfo(call, parent);
    return new Kivo::MediaEngine::Spirit::CallDebugInfo(call, parent);
}

bool runsOnWebRtc(const Kivo::MediaEngine::CallBasePtr* call)
{
    return call && qobject_cast<Kivo::MediaEngine::WebRTC::MediaHandler*>(call->getMediaHandler());
}

} // namespace

CallDebugWindow::CallDebugWindow(Kivo::MediaEngine::CallBasePtr* call, QWidget* parent)
    : CallDebugWindowBase(parent)
    , m_DebugInfo(debugInfoFor(call, runsOnWebRtc(call), this))
    , m_WebRtc(runsOnWebRtc(call))
{
}

bool CallDebugWindow::loadAndShow()
{
    view()->rootContext()->setContextProperty(QStringLiteral("debugInfo"), m_DebugInfo);
    if (!loadQML(QString::fromLatin1(m_WebRtc ? WebRtcScene : SpiritScene))) {
        LOG_ERROR << "Call debug scene not loaded";
        return false;
    }
    show();
    return true;
}

} // namespace QML
