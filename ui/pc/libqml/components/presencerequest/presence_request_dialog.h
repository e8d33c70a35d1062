#pragma once

#include "libqml/window/qml_window.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QPointer>

namespace Kivo {
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo

namespace QML {

// Asks the user to answer other people's requests to see their presence.
class PresenceRequestDialog : public Window
{
    Q_OBJECT

public:
    PresenceRequestDialog(Kivo::Sessions::SessionManagerBase* session,
                          Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, bool alwaysOnTop);

private:
    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
};

} // namespace QML
