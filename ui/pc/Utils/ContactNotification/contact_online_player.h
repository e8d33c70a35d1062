#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QObject>


namespace Utils {
namespace ContactNotification {

// Plays the sounds of contacts coming online and going offline.
class ContactOnlinePlayer : public QObject
{
    Q_OBJECT

public:
    ContactOnlinePlayer(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, QObject* parent = nullptr);

private:
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
};

} // namespace ContactNotification
} // namespace Utils
