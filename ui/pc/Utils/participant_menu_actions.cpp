#include "Utils/participant_menu_actions.h"

#include "Providers/menu_action_provider.h"
#include "Utils/actions_helper.h"
#include "Utils/myroom_helper.h"
#include "application.h"
#include "common/assertions.h"
#include "common/config_flag.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/Data/CommsSessionParticipant.h>
#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/MyRoom/MeetMeVyxActionsHandler.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Webcollab/WebcollabBase.h>

#include <QAction>
#include <algorithm>
#include <QMenu>

namespace Utils {
namespace Actions {

namespace {

using Kivo::Data::CommsSessionParticipant;
namespace Property = Constants::ActionProperty;

enum ConfigItem
{
    RoomsUseQvd = 61,
    ConferenceBridgeAutoDetect = 68,
    ModeratorControls = 70,
    CallRetrievalEnabled = 85
};

QList<int> idsOf(const QList<CommsSessionParticipant*>& participants)
{
    QList<int> ids;
    for (const CommsSessionParticipant* participant : participants)
        ids << participant->getId();
    return ids;
}

QVariantList variantIds(const QList<int>& ids)
{
    QVariantList list;
    for (int id : ids)
        list << id;
    return list;
}

Providers::MenuActionProvider* applicationMenuActions()
{
    const auto* application = qobject_cast<const Application*>(QCoreApplication::instance());
    return application ? application->menuActionProvider() : nullptr;
}

QString roomOf(const Kivo::Controllers::CommunicationSession* session)
{
    const Kivo::Controllers::ChatInterface* chat = session ? session->getChatInterface() : nullptr;
    return chat ? chat->conversation() : QString();
}

} // namespace

ParticipantMenuActions::ParticipantMenuActions(Kivo::Sessions::SessionManagerBase* session, QObject* provider,
                                               QObject* parent)
    : QObject(parent)
    , m_Session(session)
    , m_ChatController(session ? session->xmppChatController() : nullptr)
    , m_Provider(qobject_cast<Kivo::Actions::Provider*>(provider))
{
}

void ParticipantMenuActions::setParticipantsModel(Kivo::Models::CommsSessionParticipants* model)
{
    m_Participants = model;
}

void ParticipantMenuActions::setMeetMeVyxActionsHandler(Kivo::MyRoom::MeetMeVyxActionsHandler* handler)
{
    m_ConferenceHandler = handler;
}

bool ParticipantMenuActions::config(int item) const
{
    return m_Provider && Common::configFlag(m_Provider->getConfig(), item);
}

void ParticipantMenuActions::muteParticipant(const QVariant& participant)
{
    auto* found = qobject_cast<CommsSessionParticipant*>(participant.value<QObject*>());
    if (found && m_ConferenceHandler)
        m_ConferenceHandler->muteParticipant(found);
}

void ParticipantMenuActions::addEngineEntry(QMenu* menu, int id, bool separatorFirst, const QString& text)
{
    Kivo::Actions::Action* action = m_Provider ? m_Provider->getActionById(id) : nullptr;
    if (!action)
        return;
    ActionsHelper helper(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>(), nullptr);
    QAction* entry = helper.createAction(action, m_Provider, menu, 0);
    if (!entry)
        return;
    if (separatorFirst)
        menu->addSeparator();
    if (!text.isEmpty())
        entry->setText(text);
    menu->addAction(entry);
}

void ParticipantMenuActions::addMuteAllEntries(QMenu* menu, const QList<CommsSessionParticipant*>& participants)
{
    if (!config(ModeratorControls))
        return;
    const bool anyInConference = std::any_of(participants.cbegin(), participants.cend(),
                                             [](const CommsSessionParticipant* one) { return one->isInAudioConference(); });
    if (!anyInConference)
        return;
    menu->addAction(tr("Mute All"), this, SLOT(muteAllTriggered()));
    menu->addAction(tr("Unmute All"), this, SLOT(unmuteAllTriggered()));
}

void ParticipantMenuActions::addMuteEntry(QMenu* menu, CommsSessionParticipant* participant)
{
    if (!config(ModeratorControls) || !participant->isInAudioConference())
        return;
    QAction* entry = menu->addAction(participant->isMuted() ? tr("Unmute") : tr("Mute"), this, SLOT(muteTriggered()));
    connect(participant, &CommsSessionParticipant::participantMuteChanged, entry, &QAction::changed);
    connect(participant, &CommsSessionParticipant::participantCallClosed, entry, &QObject::deleteLater);
    connect(entry, &QAction::changed, this, &ParticipantMenuActions::participantMuteChanged);
}

void ParticipantMenuActions::addDismissEntry(QMenu* menu, Kivo::Controllers::CommunicationSession* session, bool all)
{
    if (!session->isGroup())
        return;
    QString text;
    if (session->isMyRoomSession())
        text = all ? tr("Dismiss All") : tr("Dismiss");
    else if (session->webCollabActive())
        text = all ? tr("Dismiss All from Chat and Share") : tr("Dismiss from Chat and Share");
    else
        text = all ? tr("Dismiss All from Chat") : tr("Dismiss from Chat");
    QAction* entry = menu->addAction(text, this, SLOT(dismissTriggered()));
    if (session->webCollabActive())
        entry->setProperty(Property::WebCollab, QVariant::fromValue<QObject*>(session->getWebCollab()));
    entry->setProperty(Property::DismissAll, all);
    if (session->getChatInterface())
        entry->setProperty(Property::RoomJid, roomOf(session));
    entry->setEnabled(session->chatActive() || session->isMyRoomSession());
}

void ParticipantMenuActions::addOwnParticipantMenuActions(QMenu* menu, Kivo::Controllers::CommunicationSession* session,
                                                          const QString& myRoomInfo)
{
    ASSERT_RETURN(session);
    if (!menu)
        return;
    if (!myRoomInfo.isEmpty()) {
        QAction* copy = menu->addAction(tr("Copy"), this, SLOT(copyMyRoomInfoTriggered()));
        copy->setProperty(Property::MyRoomInfo, myRoomInfo);
        menu->addSeparator();
    }
    if (config(ModeratorControls)) {
        if (m_ConferenceHandler && m_ConferenceHandler->getMeetMeConferenceStarted()) {
            if (m_ConferenceHandler->getMeetMeConferenceLocked())
                menu->addAction(tr("Unlock Audio Conference"), this, SLOT(unlockConferenceTriggered()));
            else
                menu->addAction(tr("Lock Audio Conference"), this, SLOT(lockConferenceTriggered()));
            menu->addSeparator();
        }
        const QList<CommsSessionParticipant*> others = othersThanSelf();
        if (!others.isEmpty()) {
            addMuteAllEntries(menu, others);
            menu->addSeparator();
            addDismissEntry(menu, session, true);
            menu->addSeparator();
        }
    }
    if (!session->isMyRoomSession())
        return;
    menu->addAction(tr("Copy My Room Invitation"), this, SLOT(copyInvitationTriggered()));
    menu->addAction(tr("Email My Room Invitation"), this, SLOT(emailInvitationTriggered()));
    Providers::MenuActionProvider* menuActions = applicationMenuActions();
    if (!menuActions)
        return;
    if (m_Session && m_Session->guestHandler() && m_Session->myroomController()) {
        menu->addSeparator();
        for (int id : {Constants::MenuAction::CopyGuestJoinLink, Constants::MenuAction::ResetGuestJoinLink}) {
            if (QAction* entry = menuActions->action(id))
                menu->addAction(entry);
        }
    }
    QAction* preferences = menuActions->action(Constants::MenuAction::Preferences);
    if (preferences && config(CallRetrievalEnabled) && !config(ConferenceBridgeAutoDetect) && config(RoomsUseQvd)) {
        menu->addSeparator();
        QAction* configure = menu->addAction(tr("Configure My Room"));
        connect(configure, &QAction::triggered, preferences, [preferences] {
            preferences->setProperty(Property::Tab, 3);
            preferences->trigger();
        });
    }
}

QMenu* ParticipantMenuActions::addParticipantMenuActions(Kivo::Controllers::CommunicationSession* session,
                                                         const QList<CommsSessionParticipant*>& selected)
{
    const Kivo::Controllers::ChatInterface* chat = session ? session->getChatInterface() : nullptr;
    if (!chat || selected.isEmpty())
        return nullptr;
    auto* menu = new QMenu();
    const int own = chat->getOwnAffiliation();
    if (selected.size() == 1) {
        CommsSessionParticipant* participant = selected.first();
        const int affiliation = participant->getChatAffiliation();
        if (own >= CommsSessionParticipant::Admin && own > affiliation &&
            affiliation != CommsSessionParticipant::Pending && affiliation != CommsSessionParticipant::Outcast) {
            addDismissEntry(menu, session, false);
            if (affiliation != CommsSessionParticipant::Guest)
                addMuteEntry(menu, participant);
        }
        if (!session->isMyRoomSession() && own == CommsSessionParticipant::Owner &&
            affiliation != CommsSessionParticipant::Outcast) {
            QAction* moderator = nullptr;
            if (affiliation <= CommsSessionParticipant::Member)
                moderator = menu->addAction(tr("Promote to Moderator"), this, SLOT(promoteTriggered()));
            else if (affiliation == CommsSessionParticipant::Admin)
                moderator = menu->addAction(tr("Demote from Moderator"), this, SLOT(demoteTriggered()));
            if (moderator)
                moderator->setEnabled(session->chatActive());
        }
        if (affiliation != CommsSessionParticipant::Pending && affiliation != CommsSessionParticipant::Guest &&
            m_Provider) {
            m_Provider->setActionSource(participant->getContact());
            if (session->isMyRoomSession())
                addEngineEntry(menu, Kivo::Actions::Action::Chat, true, tr("Private Chat"));
            addEngineEntry(menu, Kivo::Actions::Action::ViewProfile, true);
            addEngineEntry(menu, Kivo::Actions::Action::EditProfile, false);
            addEngineEntry(menu, Kivo::Actions::Action::AddContact, false);
        }
        connect(participant, &QObject::destroyed, menu, &QObject::deleteLater);
    } else {
        if (own >= CommsSessionParticipant::Admin) {
            addDismissEntry(menu, session, false);
            addMuteAllEntries(menu, selected);
            menu->addSeparator();
        }
        QAction* privateChat = menu->addAction(tr("Private Group Chat"), this, SLOT(privateGroupChatTriggered()));
        privateChat->setEnabled(session->chatActive());
    }
    const QVariantList ids = variantIds(idsOf(selected));
    for (QAction* entry : menu->actions()) {
        entry->setProperty(Property::RoomJid, roomOf(session));
        entry->setProperty(Property::ParticipantIds, ids);
    }
    return menu;
}

QList<CommsSessionParticipant*> ParticipantMenuActions::selectedOf(const QAction* entry) const
{
    QList<int> ids;
    for (const QVariant& id : entry->property(Property::ParticipantIds).toList())
        ids << id.toInt();
    return m_Participants ? m_Participants->getParticipants(ids) : QList<CommsSessionParticipant*>();
}

QList<CommsSessionParticipant*> ParticipantMenuActions::othersThanSelf() const
{
    return m_Participants ? m_Participants->getParticipantsExcludeSelf() : QList<CommsSessionParticipant*>();
}

void ParticipantMenuActions::muteTriggered()
{
    const auto* entry = qobject_cast<const QAction*>(sender());
    const QList<CommsSessionParticipant*> selected = entry ? selectedOf(entry) : QList<CommsSessionParticipant*>();
    if (m_ConferenceHandler && !selected.isEmpty())
        m_ConferenceHandler->muteParticipant(selected.first());
}

void ParticipantMenuActions::participantMuteChanged()
{
    auto* entry = qobject_cast<QAction*>(sender());
    const QList<CommsSessionParticipant*> selected = entry ? selectedOf(entry) : QList<CommsSessionParticipant*>();
    if (!selected.isEmpty()) {
        const QString text = selected.first()->isMuted() ? tr("Unmute") : tr("Mute");
        // Setting the same text again would announce a change again.
        if (entry->text() != text)
            entry->setText(text);
    }
}

void ParticipantMenuActions::muteAllTriggered()
{
    if (qobject_cast<const QAction*>(sender()) && m_ConferenceHandler)
        m_ConferenceHandler->setParticipantsMute(othersThanSelf(), false);
}

void ParticipantMenuActions::unmuteAllTriggered()
{
    if (qobject_cast<const QAction*>(sender()) && m_ConferenceHandler)
        m_ConferenceHandler->setParticipantsMute(othersThanSelf(), true);
}

void ParticipantMenuActions::lockConferenceTriggered()
{
    if (qobject_cast<const QAction*>(sender()) && m_ConferenceHandler)
        m_ConferenceHandler->lockConference(true);
}

void ParticipantMenuActions::unlockConferenceTriggered()
{
    if (qobject_cast<const QAction*>(sender()) && m_ConferenceHandler)
        m_ConferenceHandler->lockConference(false);
}

void ParticipantMenuActions::dismissTriggered()
{
    const auto* entry = qobject_cast<const QAction*>(sender());
    if (!entry)
        return;
    const QList<CommsSessionParticipant*> participants =
        entry->property(Property::DismissAll).toBool() ? othersThanSelf() : selectedOf(entry);
    if (m_ConferenceHandler)
        m_ConferenceHandler->dismiss(participants);
    if (!m_ChatController)
        return;
    const QString room = entry->property(Property::RoomJid).toString();
    for (CommsSessionParticipant* participant : participants) {
        // The room's owner stays, whoever dismisses everybody.
        if (participant->getChatAffiliation() == CommsSessionParticipant::Owner)
            continue;
        const Kivo::Contacts::IContact* contact = participant->getContact();
        if (!contact) {
            LOG_ERROR << "Participant: " << participant->getAddress() << " in room " << room
                      << " has no contact linked.";
            continue;
        }
        participant->setParticipantLeaveReason(CommsSessionParticipant::Dismissed);
        const QString user = participant->getChatUserId().isEmpty() ? contact->getAddress()
                                                                    : participant->getChatUserId();
        m_ChatController->kickParticipant(room, user);
        if (auto* share = qobject_cast<Kivo::Webcollab::WebcollabBase*>(entry->property(Property::WebCollab).value<QObject*>()))
            share->removeParticipant(contact->getAddress());
    }
}

void ParticipantMenuActions::changeModerator(bool promote)
{
    const auto* entry = qobject_cast<const QAction*>(sender());
    const QList<CommsSessionParticipant*> selected = entry ? selectedOf(entry) : QList<CommsSessionParticipant*>();
    const Kivo::Contacts::IContact* contact = selected.isEmpty() ? nullptr : selected.first()->getContact();
    if (!contact || !m_ChatController)
        return;
    const QString room = entry->property(Property::RoomJid).toString();
    if (promote)
        m_ChatController->promoteParticipant(room, contact->getAddress());
    else
        m_ChatController->demoteParticipant(room, contact->getAddress());
}

void ParticipantMenuActions::promoteTriggered()
{
    changeModerator(true);
}

void ParticipantMenuActions::demoteTriggered()
{
    changeModerator(false);
}

void ParticipantMenuActions::privateGroupChatTriggered()
{
    const auto* entry = qobject_cast<const QAction*>(sender());
    Kivo::Controllers::CommsSessionController* comms = m_Session ? m_Session->commsSessionController() : nullptr;
    if (!entry || !comms)
        return;
    QList<Kivo::Contacts::IContact*> contacts;
    for (const CommsSessionParticipant* participant : selectedOf(entry)) {
        if (participant->getContact())
            contacts << participant->getContact();
    }
    comms->createChat(contacts, true);
}

MyRoomHelper* ParticipantMenuActions::myRoomHelper()
{
    if (!m_MyRoomHelper)
        m_MyRoomHelper = new MyRoomHelper(m_Session, this);
    return m_MyRoomHelper;
}

void ParticipantMenuActions::copyMyRoomInfoTriggered()
{
    if (const auto* entry = qobject_cast<const QAction*>(sender()))
        MyRoomHelper::copyToClipboard(QString(), entry->property(Property::MyRoomInfo).toString());
}

void ParticipantMenuActions::copyInvitationTriggered()
{
    myRoomHelper()->copyInvitation();
}

void ParticipantMenuActions::emailInvitationTriggered()
{
    myRoomHelper()->sendInvitation();
}

} // namespace Actions
} // namespace Utils
