#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

namespace Kivo {
namespace Controllers {

// One supplementary service as the server keeps it: on or off and, for the services that
// forward calls, the number they go to.
class SupplementaryService
{
public:
    enum Id
    {
        Invalid = -1,
        CallForwardingAlways = 0,
        CallForwardingNotLoggedIn = 1,
        CallForwardingBusy = 2,
        CallForwardingNotReachable = 3,
        CallForwardingNoReply = 4,
        OriginatingIdPresentation = 5,
        OriginatingIdRestriction = 6,
        TerminatingIdPresentation = 7,
        TerminatingIdRestriction = 8,
        CallingLineIdBlocking = 11,
        BarringAllIncoming = 12,
        BarringIncomingRoaming = 13,
        BarringAllOutgoing = 14,
        BarringOutgoingInternational = 15,
        BarringOutgoingInternationalExHome = 16,
        CallWaiting = 17,
        DoNotDisturb = 18,
        RemoteOffice = 19
    };

    SupplementaryService() = default;
    SupplementaryService(Id id, bool active, const QString& target)
        : m_Id(id)
        , m_Active(active)
        , m_Target(target)
    {
    }

    Id id() const { return m_Id; }
    bool active() const { return m_Active; }
    QString target() const { return m_Target; }
    // The call-forwarding services and remote office send calls to a number.
    static bool hasTarget(int id) { return (id >= CallForwardingAlways && id <= CallForwardingNoReply) || id == RemoteOffice; }

    bool operator==(const SupplementaryService& other) const
    {
        return m_Id == other.m_Id && m_Active == other.m_Active && m_Target == other.m_Target;
    }
    bool operator!=(const SupplementaryService& other) const { return !(*this == other); }

private:
    Id m_Id = Invalid;
    bool m_Active = false;
    QString m_Target;
};

} // namespace Controllers
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Controllers::SupplementaryService)
Q_DECLARE_METATYPE(QList<Kivo::Controllers::SupplementaryService>)
