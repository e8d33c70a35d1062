#include "libqml/components/presencerequest/presence_request_dialog.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Sessions/SessionManagerBase.h>

namespace QML {

PresenceRequestDialog::PresenceRequestDialog(Kivo::Sessions::SessionManagerBase* session,
                                             Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                             bool alwaysOnTop)
    : Window(false, nullptr)
    , m_Session(session)
    , m_Contacts(contacts)
{
    setAlwaysOnTop(alwaysOnTop);
}

} // namespace QML
