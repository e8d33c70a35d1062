#pragma once

#include "libqml/window/qml_view.h"

#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QPoint>
#include <QPointer>

namespace QML {

// The pop-up that announces an incoming call, chat, file transfer or guest of one session.
class CommunicationNotification : public View
{
    Q_OBJECT
    Q_PROPERTY(QObject* session READ sessionObject CONSTANT)
    Q_PROPERTY(NotificationType type READ type CONSTANT)
    Q_PROPERTY(QPoint mousePos READ mousePos)
    Q_PROPERTY(QObject* contact READ contactObject NOTIFY guestContactChanged)

public:
    enum NotificationType
    {
        CallNotification = 0,
        ChatNotification = 1,
        FiletransferNotification = 2,
        GuestNotification = 3
    };
    Q_ENUM(NotificationType)

    CommunicationNotification(Kivo::Controllers::CommunicationSession* session, NotificationType type,
                              QWidget* parent = nullptr);

    // Loads the scene of the type; a scene missing from the resources is logged and skipped.
    void loadSource();

    Kivo::Controllers::CommunicationSession* session() const { return m_Session; }
    NotificationType type() const { return m_Type; }
    // Where the mouse cursor is, in the pop-up's coordinates, as of this read.
    QPoint mousePos() const;
    Kivo::Utils::SharedPointer<Kivo::Contacts::IContact> contact() const { return m_Contact; }
    void setContact(const Kivo::Utils::SharedPointer<Kivo::Contacts::IContact>& contact);

    static QString sceneOf(int type);

signals:
    void chatNotificationAccepted();
    void callNotificationAccepted();
    void webcollabNotificationAccepted();
    void chatNotificationIgnored();
    void callNotificationIgnored();
    void webcollabNotificationIgnored();
    void guestContactChanged();

private:
    QObject* sessionObject() const { return m_Session; }
    QObject* contactObject() const { return m_Contact.data(); }

    QPointer<Kivo::Controllers::CommunicationSession> m_Session;
    const NotificationType m_Type;
    Kivo::Utils::SharedPointer<Kivo::Contacts::IContact> m_Contact;
};

} // namespace QML
