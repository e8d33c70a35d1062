#include "Utils/window_manager_chat_helper.h"

#include "Dialogs/configure_room.h"
#include "Dialogs/delete_room_dialog.h"
#include "Dialogs/message_window.h"
#include "Models/Chat/message_model.h"
#include "Providers/factory.h"
#include "Utils/sounds_player.h"
#include "Widgets/Conference/xmpp_password_dialog.h"
#include "Widgets/Notifications/notification_manager.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/components/notifications/communication_notification.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Controllers/FtController.h>
#include <Kivo/Controllers/XmppChat.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/Models/ChatModel.h>
#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/MyRoom/Controller.h>
#include <Kivo/Services/Xmpp/XmppJidValidator.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>
#include <Kivo/Webcollab/WebcollabControllerBase.h>

namespace Utils {

namespace {

// Configuration items the chat reads.
constexpr int LinksDisabledItem = 139;
constexpr int MaxRoomHistoryItem = 65;

} // namespace

WindowManagerChatHelper::WindowManagerChatHelper(NotificationManager*, QObject* parent)
    : QObject(parent)
    , m_MessagePlayer(new Sounds::IncomingMessagePlayer(this))
{
}

bool WindowManagerChatHelper::Initialize(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                         Kivo::Sessions::SessionManagerBase* sessionManager,
                                         Providers::Factory* factory,
                                         Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys)
{
    if (contacts != m_Contacts)
        m_Contacts = contacts;
    m_SessionManager = sessionManager;
    m_Factory = factory;
    m_Smileys = smileys;

    Kivo::Controllers::XmppChatController* controller = sessionManager ? sessionManager->xmppChatController() : nullptr;
    if (!controller)
        return true;
    CHECKED_CONNECT(this, SIGNAL(passwordEnterCanceled(const QString&)), controller,
                    SLOT(passwordEnterCanceled(const QString&)));
    CHECKED_CONNECT(this, SIGNAL(passwordEntered(const QString&, const QString&)), controller,
                    SLOT(passwordEntered(const QString&, const QString&)));
    CHECKED_CONNECT(controller,
                    SIGNAL(xmppRoomConfigReceived(const QString&, const QXmppDataForm&, Kivo::Controllers::XmppChat*)),
                    this, SLOT(xmppRoomConfigReceived(const QString&, const QXmppDataForm&, Kivo::Controllers::XmppChat*)));
    CHECKED_CONNECT(this, SIGNAL(roomConfigured(const QString&, const QXmppDataForm&)), controller,
                    SLOT(roomConfigured(const QString&, const QXmppDataForm&)));
    CHECKED_CONNECT(controller, SIGNAL(roomDestructionFailed(const QString&)), this, SLOT(roomDestructionFailed()));
    CHECKED_CONNECT(controller, SIGNAL(roomConfigurationForbidden()), this, SLOT(roomConfigurationForbidden()));
    CHECKED_CONNECT(controller, SIGNAL(memberListReceived(const QString&, const QStringList&)), this,
                    SLOT(onMemberListReceived(const QString&, const QStringList&)));
    return true;
}

bool WindowManagerChatHelper::setupChat(Kivo::Controllers::CommunicationSession* session, QML::CommunicationsWindow* window)
{
    Kivo::Controllers::ChatInterface* chat = session->getChat();
    window->setParticipants(session->getParticipants());
    const Kivo::Contacts::IContact* own = m_Contacts ? m_Contacts->getContact(0) : nullptr;
    const Kivo::Configuration::Config* config = m_SessionManager ? m_SessionManager->getConfig() : nullptr;
    const bool linksEnabled = !(config && config->value(LinksDisabledItem).toBool());

    auto* model = new Models::Chat::MessageModel(m_Contacts, linksEnabled, window);
    model->setConfig(config);
    model->setParticipants(session->getParticipants());
    model->setSmileys(m_Smileys);
    model->setSourceModel(chat->getChatModel());
    if (own)
        model->setOwnDisplayName(own->getDisplayName());

    CHECKED_CONNECT(chat, SIGNAL(typersChanged(QStringList)), model, SLOT(typersChanged(QStringList)));
    CHECKED_CONNECT(chat, SIGNAL(ftRejectedByExtension()), model, SLOT(onFtRejectedByExtension()));

    if (!chat->isGroup()) {
        Kivo::Contacts::IContact* contact = session->getContact();
        Kivo::Controllers::FtController* transfers =
            m_SessionManager ? m_SessionManager->fileTransferController() : nullptr;
        if (!contact)
            return false;
        if (transfers) {
            Kivo::Models::FTModel* ftModel = transfers->getCreateFTModel(contact);
            model->setFtModel(ftModel);
        }
    }

    window->setMessageModel(model);
    window->setSmileys(m_Smileys);

    handleAuthorizationOf(chat);
    connectOnce(chat, SIGNAL(messageSendingFailed()), window, SLOT(messageSendingFailed()));
    connectOnce(window, SIGNAL(playIncomingMessageSound()), m_MessagePlayer, SLOT(play()));
    return true;
}

void WindowManagerChatHelper::handleAuthorizationOf(Kivo::Controllers::ChatInterface* chat)
{
    connectOnce(chat, SIGNAL(authorizationFailed(const QString&, Kivo::Controllers::ChatError::ChatRoomJoinError)), this,
                SLOT(handleAuthFailError(const QString&, Kivo::Controllers::ChatError::ChatRoomJoinError)));
}

void WindowManagerChatHelper::connectOnce(const QObject* sender, const char* signal, const QObject* receiver,
                                          const char* method)
{
    QObject::disconnect(sender, signal, receiver, method);
    CHECKED_CONNECT(sender, signal, receiver, method);
}

void WindowManagerChatHelper::showChatNotification(Kivo::Controllers::CommunicationSession* session,
                                                   NotificationManager* notifications, QML::CommunicationsWindow* window)
{
    Kivo::Controllers::ChatInterface* chat = session ? session->getChat() : nullptr;
    if (!chat || !notifications || !window) {
        LOG_ERROR << "function preconditions not met!";
        return;
    }
    const QString pending = chat->getPendingMessage();
    if (Kivo::Webcollab::WebcollabControllerBase::containsShareTags(pending) != 0)
        return;
    const Models::Chat::MessageModel* model = window->messageModel();
    const bool offer = model && model->hasPendingFtOffer();
    if (!chat->isGroup() && pending.isEmpty() && !offer && !session->getWebCollab())
        return;

    QML::CommunicationNotification* popup =
        notifications->showCommunicationNotification(session, offer ? FileOfferNotification : ChatNotification);
    if (!popup)
        return;
    m_MessagePlayer->play();
    CHECKED_CONNECT(popup, SIGNAL(chatNotificationAccepted()), this, SLOT(chatNotificationAccepted()));
    CHECKED_CONNECT(popup, SIGNAL(chatNotificationIgnored()), session, SLOT(closeChat()));
    CHECKED_CONNECT(window, SIGNAL(windowVisible(bool, const QML::CommunicationsWindow*)), popup, SLOT(close()));
    CHECKED_CONNECT(chat, SIGNAL(closed(Kivo::Controllers::ChatInterface*, int)), popup, SLOT(close()));
    handleAuthorizationOf(chat);
}

void WindowManagerChatHelper::showGuestNotification(Kivo::Controllers::CommunicationSession* session,
                                                    NotificationManager* notifications, QML::CommunicationsWindow* window,
                                                    Kivo::Utils::SharedPointer<Kivo::Contacts::IContact> guest)
{
    if (!session || !notifications)
        return;
    Kivo::Controllers::ChatInterface* chat = session->getChat();
    QML::CommunicationNotification* popup = notifications->showCommunicationNotification(session, GuestNotification);
    if (!popup)
        return;
    popup->setContact(guest);
    m_MessagePlayer->play();
    if (chat)
        CHECKED_CONNECT(chat, SIGNAL(closed(Kivo::Controllers::ChatInterface*, int)), popup, SLOT(close()));
    if (window)
        CHECKED_CONNECT(window, SIGNAL(windowVisible(bool, const QML::CommunicationsWindow*)), popup, SLOT(close()));
}

void WindowManagerChatHelper::detachFileTransfers(QML::CommunicationsWindow* window)
{
    if (Models::Chat::MessageModel* model = window ? window->messageModel() : nullptr)
        model->detachFtModel();
}

void WindowManagerChatHelper::chatNotificationAccepted()
{
    auto* popup = qobject_cast<QML::CommunicationNotification*>(sender());
    Kivo::Controllers::CommunicationSession* session = popup ? popup->session() : nullptr;
    if (!session)
        return;
    session->acceptChat();
    emit chatAccepted(session);
}

bool WindowManagerChatHelper::isAlwaysOnTop() const
{
    return m_Factory && m_Factory->isAlwaysOnTop();
}

void WindowManagerChatHelper::xmppRoomConfigReceived(const QString& roomJid, const QXmppDataForm& form,
                                                     Kivo::Controllers::XmppChat* chat)
{
    const Kivo::MyRoom::Controller* myRoom = m_SessionManager ? m_SessionManager->myroomController() : nullptr;
    if (myRoom && myRoom->isMyRoomChat(roomJid)) {
        Dialogs::MessageWindow::showInformation(
            tr("Unable to Join"),
            tr("It seems the room you have selected has not been configured. We are sorry for the inconvenience."),
            isAlwaysOnTop());
        if (chat)
            chat->leave();
        return;
    }
    if (Dialogs::ConfigureRoom* open = m_RoomConfigDialogs.value(roomJid)) {
        open->showAndActivate();
        return;
    }
    if (Kivo::Services::Xmpp::XmppJidValidator::getRoomType(roomJid) == Kivo::Services::Xmpp::XmppJidValidator::AdHocRoom)
        return;

    const bool create = chat && chat->getState() == Kivo::Controllers::ChatInterface::Creating;
    const Kivo::Configuration::Config* config = m_SessionManager ? m_SessionManager->getConfig() : nullptr;
    const int maxHistory = config ? config->value(MaxRoomHistoryItem).toInt() : 0;
    auto* dialog = new Dialogs::ConfigureRoom(roomJid, form, create, maxHistory, m_Contacts, nullptr);

    if (const Kivo::Sessions::SubSession* xmpp = m_SessionManager ? m_SessionManager->xmppSubSession() : nullptr)
        CHECKED_CONNECT(xmpp, SIGNAL(stateChanged(const Kivo::Sessions::SubSession*, Kivo::Sessions::SubSession::State)),
                        dialog,
                        SLOT(onXmppSessionStateChanged(const Kivo::Sessions::SubSession*,
                                                       Kivo::Sessions::SubSession::State)));
    CHECKED_CONNECT(dialog, SIGNAL(roomConfigAccepted(const QString&, const QXmppDataForm&, bool)), this,
                    SLOT(roomConfigAccepted(const QString&, const QXmppDataForm&, bool)));
    CHECKED_CONNECT(dialog, SIGNAL(destroyed(QObject*)), this, SLOT(roomConfigDestroyed(QObject*)));
    Kivo::Controllers::XmppChatController* controller =
        m_SessionManager ? m_SessionManager->xmppChatController() : nullptr;
    if (create) {
        CHECKED_CONNECT(dialog, SIGNAL(roomConfigCanceled(const QString&)), chat, SLOT(close()));
    } else if (controller) {
        controller->requestRoomMembers(roomJid);
        CHECKED_CONNECT(dialog, SIGNAL(removeParticipants(QString, QStringList)), controller,
                        SLOT(removeParticipantsFromChat(QString, QStringList)));
    }
    m_RoomConfigDialogs.insert(roomJid, dialog);
    dialog->show();
}

void WindowManagerChatHelper::onMemberListReceived(const QString& roomJid, const QStringList& members)
{
    if (Dialogs::ConfigureRoom* dialog = m_RoomConfigDialogs.value(roomJid))
        dialog->setMembers(members);
    else
        LOG_WARNING << "Received member list for room without config window: " << roomJid;
}

void WindowManagerChatHelper::roomConfigAccepted(const QString& roomJid, const QXmppDataForm& form, bool create)
{
    emit roomConfigured(roomJid, form);
    if (create)
        emit projectRoomCreated();
}

void WindowManagerChatHelper::roomConfigDestroyed(QObject* object)
{
    if (!object)
        return;
    for (auto it = m_RoomConfigDialogs.begin(); it != m_RoomConfigDialogs.end(); ++it) {
        if (it.value() == object) {
            m_RoomConfigDialogs.erase(it);
            return;
        }
    }
}

void WindowManagerChatHelper::deleteRoom(const QString& roomJid, const QString& roomName)
{
    Kivo::Controllers::XmppChatController* controller =
        m_SessionManager ? m_SessionManager->xmppChatController() : nullptr;
    if (!controller)
        return;
    if (Kivo::Settings(Kivo::Settings::UserSettings).value(Constants::SettingsKey::ConfirmDeleteChatRoom, true).toBool()) {
        auto* dialog = new Dialogs::DeleteRoomDialog(roomJid, roomName, nullptr);
        CHECKED_CONNECT(dialog, SIGNAL(accepted(QString)), controller, SLOT(destroyRoom(QString)));
        dialog->show();
    } else {
        controller->destroyRoom(roomJid);
    }
}

void WindowManagerChatHelper::handleAuthFailError(const QString& roomJid,
                                                  Kivo::Controllers::ChatError::ChatRoomJoinError error)
{
    switch (int(error)) {
    case 1:
    case 2: {
        auto* dialog = new Widgets::Conference::XmppPasswordDialog(roomJid, int(error), isAlwaysOnTop());
        CHECKED_CONNECT(dialog, SIGNAL(passwordEnterCanceled(const QString&)), this,
                        SIGNAL(passwordEnterCanceled(const QString&)));
        CHECKED_CONNECT(dialog, SIGNAL(passwordEntered(const QString&, const QString&)), this,
                        SIGNAL(passwordEntered(const QString&, const QString&)));
        dialog->show();
        break;
    }
    case 3:
        Dialogs::MessageWindow::showWarning(tr("Private Room"),
                                            tr("This private room is restricted to members only. Since you are not a "
                                               "member of this room, you are not able to join."),
                                            isAlwaysOnTop());
        break;
    case 4:
        Dialogs::MessageWindow::showWarning(tr("Error joining room"), tr("You are banned from the room and cannot join"),
                                            isAlwaysOnTop());
        break;
    default:
        break;
    }
}

void WindowManagerChatHelper::showCritical(const QString& title, const QString& text)
{
    Dialogs::MessageWindow* box = Dialogs::MessageWindow::showCritical(title, text, isAlwaysOnTop());
    if (box)
        connect(this, &QObject::destroyed, box, &QWidget::close);
}

void WindowManagerChatHelper::roomConfigurationForbidden()
{
    showCritical(tr("Error Editing Room"), tr("You are not the owner of this room. Only the owner can edit the room."));
}

void WindowManagerChatHelper::roomDestructionFailed()
{
    showCritical(tr("Error Deleting Room"), tr("You are not the owner of this room. Only the owner can delete the room."));
}

void WindowManagerChatHelper::failedToAddContacts(const QStringList& contacts)
{
    showCritical(tr("Error adding people"),
                 tr("Unable to add the following people to the session because they have no IM address:\n%1")
                     .arg(contacts.join(QStringLiteral("\n"))));
}

} // namespace Utils
