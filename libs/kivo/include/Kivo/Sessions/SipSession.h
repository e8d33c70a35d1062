#pragma once

#include <Kivo/Sessions/SubSession.h>

namespace Kivo {
namespace Sessions {

// The session's calling connection.
class SipSession : public SubSession
{
    Q_OBJECT

public:
    explicit SipSession(const QString& host, QObject* parent = nullptr);
};

} // namespace Sessions
} // namespace Kivo
