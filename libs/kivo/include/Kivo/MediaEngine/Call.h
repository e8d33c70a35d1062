#pragma once

#include <QMetaType>
#include <QString>

namespace Kivo {
namespace MediaEngine {

// One call of the session as the client API names it: enough to find the call again and to
// show whom it is with.
class Call
{
public:
    Call() = default;
    Call(int callId, const QString& remoteAddress, bool video)
        : m_CallId(callId)
        , m_RemoteAddress(remoteAddress)
        , m_Video(video)
    {
    }

    // 0 names no call.
    int callId() const { return m_CallId; }
    QString remoteAddress() const { return m_RemoteAddress; }
    bool isVideo() const { return m_Video; }
    bool isValid() const { return m_CallId != 0; }

    bool operator==(const Call& other) const
    {
        return m_CallId == other.m_CallId && m_RemoteAddress == other.m_RemoteAddress && m_Video == other.m_Video;
    }
    bool operator!=(const Call& other) const { return !(*this == other); }

private:
    int m_CallId = 0;
    QString m_RemoteAddress;
    bool m_Video = false;
};

} // namespace MediaEngine
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::MediaEngine::Call)
