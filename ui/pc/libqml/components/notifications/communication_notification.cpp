#include "libqml/components/notifications/communication_notification.h"

#include "common/logging.h"

#include <QCursor>
#include <QFile>
#include <QQmlContext>
#include <QUrl>

namespace QML {

CommunicationNotification::CommunicationNotification(Kivo::Controllers::CommunicationSession* session,
                                                     NotificationType type, QWidget* parent)
    : View(parent)
    , m_Session(session)
    , m_Type(type)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    // The scene's rectangle is the whole look: nothing is drawn around its rounded frame.
    setAttribute(Qt::WA_TranslucentBackground);
    setClearColor(Qt::transparent);
    setResizeMode(QQuickWidget::SizeViewToRootObject);
    rootContext()->setContextProperty("rootWindow", this);
}

QString CommunicationNotification::sceneOf(int type)
{
    switch (type) {
    case CallNotification:
        return "qrc:/windows/Notifications/CallAnswerNotification.qml";
    case ChatNotification:
    case FiletransferNotification:
        return "qrc:/windows/Notifications/ChatNotification.qml";
    case GuestNotification:
        return "qrc:/windows/Notifications/GuestNotification.qml";
    default:
        return QString();
    }
}

void CommunicationNotification::loadSource()
{
    const QString scene = sceneOf(m_Type);
    if (scene.isEmpty() || !QFile::exists(QUrl(scene).path().prepend(':'))) {
        LOG_WARNING << "No scene for notification type " << int(m_Type) << ": " << scene;
        return;
    }
    setSource(QUrl(scene));
}

QPoint CommunicationNotification::mousePos() const
{
    return mapFromGlobal(QCursor::pos());
}

void CommunicationNotification::setContact(const Kivo::Utils::SharedPointer<Kivo::Contacts::IContact>& contact)
{
    if (contact.data() != m_Contact.data())
        m_Contact = contact;
    emit guestContactChanged();
}

} // namespace QML
