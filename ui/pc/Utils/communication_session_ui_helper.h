#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {
namespace Actions {
class CallServicesEnabler;
}
namespace Controllers {
class CommunicationSession;
}
} // namespace Kivo

namespace Utils {

// The short texts the user interface shows for a conversation: its title (whose room, which
// party, a parked or pulled call), its one-line status and the text of a call state.
class CommunicationSessionUiHelper : public QObject
{
    Q_OBJECT

public:
    CommunicationSessionUiHelper(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, QObject* parent);

    // With the enabler, calls to the service codes of parked-call retrieval and call pull are
    // titled by their purpose.
    void setCallServicesEnabler(Kivo::Actions::CallServicesEnabler* enabler);

    QString getCommunicationTitle(const Kivo::Controllers::CommunicationSession* session) const;

    Q_INVOKABLE QString getFormCommunicationTitle(QObject* session) const;
    Q_INVOKABLE QString getCommunicationStatusTip(QObject* session) const;
    Q_INVOKABLE QString getCallStateText(int callState) const;

private:
    QString groupTitle(const Kivo::Controllers::CommunicationSession& session) const;
    QString partyTitle(const Kivo::Controllers::CommunicationSession& session) const;

    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    QPointer<Kivo::Actions::CallServicesEnabler> m_CallServicesEnabler;
};

} // namespace Utils
