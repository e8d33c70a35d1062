#include <Kivo/Sessions/SipSession.h>

namespace Kivo {
namespace Sessions {

SipSession::SipSession(const QString& host, QObject* parent)
    : SubSession(Sip, host, parent)
{
}

} // namespace Sessions
} // namespace Kivo
