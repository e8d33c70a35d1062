#include <Kivo/Sessions/SessionManagerBase.h>

#include <Kivo/Outlook/OutlookIntegration.h>
#include <Kivo/Vyx/SupplementaryServicesController.h>

#include "session_config_items.h"

namespace Kivo {
namespace Sessions {

void SessionManagerBase::createFeatureControllers()
{
    m_SupplementaryServices = new Vyx::SupplementaryServicesController(this);
    // The server interface lists the services once its connection is up.
    connect(this, &SessionManagerBase::subSessionStateChanged, m_SupplementaryServices,
            [this](SessionManagerBase*, const SubSession* sub, SubSession::State state) {
                if (sub->getType() != SubSession::Vyx || state != SubSession::Connected
                    || m_SupplementaryServices->isReady())
                    return;
                int count = 0;
                for (int item = FirstSupplementaryService; item <= LastSupplementaryService; ++item)
                    count += m_Config && m_Config->value(item).toBool() ? 1 : 0;
                m_SupplementaryServices->setServices(count);
            });
    if (m_Config && (m_Config->value(OutlookContactSearch).toBool() || m_Config->value(OutlookCalendar).toBool()))
        enableOutlookIntegration();
}

XmppSession* SessionManagerBase::xmppSubSession() const
{
    for (SubSession* sub : m_SubSessions) {
        if (auto* xmpp = qobject_cast<XmppSession*>(sub))
            return xmpp;
    }
    return nullptr;
}

SipSession* SessionManagerBase::sipSubSession() const
{
    for (SubSession* sub : m_SubSessions) {
        if (auto* sip = qobject_cast<SipSession*>(sub))
            return sip;
    }
    return nullptr;
}

void SessionManagerBase::enableOutlookIntegration()
{
    if (!m_OutlookContacts)
        m_OutlookContacts = new Outlook::OutlookIntegration(Outlook::OutlookIntegration::ContactSearchKey, this);
    if (!m_OutlookCalendar)
        m_OutlookCalendar = new Outlook::OutlookIntegration(Outlook::OutlookIntegration::CalendarKey, this);
}

} // namespace Sessions
} // namespace Kivo
