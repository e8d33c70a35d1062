#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QObject>
#include <QPointer>

namespace Kivo {
namespace Controllers {
class FtController;
}
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo

namespace Utils {
class AggregationEnabler;
class CommunicationsWindowManager;
class PresenceHelper;
} // namespace Utils

namespace Providers {

// The signed-in session's source of action providers and of the helpers that several
// windows share. Made when a session opens, deleted when it closes.
class Factory : public QObject
{
    Q_OBJECT

public:
    Factory(Kivo::Sessions::SessionManagerBase* session, Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
            Utils::CommunicationsWindowManager* windowManager, Kivo::Controllers::FtController* fileTransfer);

    Kivo::Sessions::SessionManagerBase* session() const;
    bool isAlwaysOnTop() const;
    // Watches the number of open conversations; emits commsSessionsLimitExceeded().
    QObject* getCommsSessionWatcherEnabler() { return this; }
    Utils::AggregationEnabler* aggregationEnabler() const { return m_CallSettingsEnabler; }
    Utils::PresenceHelper* presenceHelper() const { return nullptr; }

signals:
    void commsSessionsLimitExceeded();

private:
    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    QPointer<Utils::CommunicationsWindowManager> m_WindowManager;
    Utils::AggregationEnabler* m_CallSettingsEnabler;
};

} // namespace Providers
