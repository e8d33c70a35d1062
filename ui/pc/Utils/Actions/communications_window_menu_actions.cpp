#include "Utils/Actions/communications_window_menu_actions.h"

#include "Dialogs/message_window.h"
#include "Utils/actions_helper.h"
#include "common/config_flag.h"
#include "common/connect_check.h"
#include "common/constants.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Helper.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Settings.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QWidget>

namespace Utils {
namespace Actions {

namespace {

using Kivo::Controllers::CommunicationSession;
using Kivo::MediaEngine::CallBasePtr;

enum ConfigItem
{
    TransferAllowed = 74,
    RecordingEnabled = 77,
    CallRetrievalEnabled = 85,
    VideoEnabled = 100,
    ParkedCallWithPhone = 388,
    ChatHistoryEnabled = 129,
    ContactListDisplayOptions = 361
};

constexpr int ExecutiveContactRole = 326;

// Engine actions of the contact entries, by their table ids.
const struct
{
    int engineId;
    int type;
} ContactEntries[] = {
    {Kivo::Actions::Action::JoinRoom, CommunicationsWindowMenuActions::ActionJoinRoom},
    {Kivo::Actions::Action::JoinHangout, CommunicationsWindowMenuActions::ActionJoinHangout},
    {Kivo::Actions::Action::AddContact, CommunicationsWindowMenuActions::ActionAddContact},
    {Kivo::Actions::Action::ViewProfile, CommunicationsWindowMenuActions::ActionViewProfile},
    {Kivo::Actions::Action::EditProfile, CommunicationsWindowMenuActions::ActionEditProfile},
};

bool inProgress(const CallBasePtr* call)
{
    return call->getCallState() == CallBasePtr::InCall || call->getCallState() == CallBasePtr::OnHold;
}

bool isUnsaved(const Kivo::Contacts::IContact* contact)
{
    return contact && (!contact->isStored() || contact->isTemporary());
}

} // namespace

CommunicationsWindowMenuActions::CommunicationsWindowMenuActions(
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, QWidget* window, QObject* parent)
    : QObject(parent)
    , m_Window(window)
    , m_Session(window ? qobject_cast<CommunicationSession*>(window->property("session").value<QObject*>())
                       : nullptr)
    , m_Contacts(contacts)
{
    createActions();
    if (m_Session) {
        CHECKED_CONNECT(m_Session.data(),
                        SIGNAL(sessionStateChanged(Kivo::Controllers::CommunicationSession*, unsigned int,
                                                   unsigned int, bool)),
                        this,
                        SLOT(sessionStateChanged(Kivo::Controllers::CommunicationSession*, unsigned int,
                                                 unsigned int, bool)));
        CHECKED_CONNECT(m_Session.data(), SIGNAL(chatActiveChanged()), this, SLOT(refreshChatSpecificActions()));
        CHECKED_CONNECT(m_Session.data(), SIGNAL(hasAssociatedFirstCallChanged()), this,
                        SLOT(refreshCallSpecificActions()));
    }
    retranslate();
    refreshChatSpecificActions();
}

CommunicationsWindowMenuActions::~CommunicationsWindowMenuActions() = default;

QObject* CommunicationsWindowMenuActions::windowObject(const char* name) const
{
    return m_Window ? m_Window->property(name).value<QObject*>() : nullptr;
}

const Kivo::Configuration::Config* CommunicationsWindowMenuActions::config() const
{
    for (const char* name : {"actionsProvider", "participantActionsProvider"}) {
        if (const auto* provider = qobject_cast<const Kivo::Actions::Provider*>(windowObject(name)))
            return provider->getConfig();
    }
    return nullptr;
}

bool CommunicationsWindowMenuActions::configItem(int item) const
{
    return Common::configFlag(config(), item);
}

CallBasePtr* CommunicationsWindowMenuActions::call() const
{
    return m_Session ? m_Session->getCall() : nullptr;
}

bool CommunicationsWindowMenuActions::connectToWindow(QAction* action, const char* slot)
{
    // A window without the slot offers nothing to do: the entry stays, inert.
    if (!m_Window || m_Window->metaObject()->indexOfSlot(QMetaObject::normalizedSignature(slot + 1)) < 0)
        return false;
    return CHECKED_CONNECT(action, SIGNAL(triggered()), m_Window.data(), slot);
}

QAction* CommunicationsWindowMenuActions::addAction(int id, const char* windowSlot)
{
    delete m_Actions.take(id);
    auto* action = new QAction(this);
    m_Actions.insert(id, action);
    if (windowSlot)
        connectToWindow(action, windowSlot);
    return action;
}

void CommunicationsWindowMenuActions::createActions()
{
    connect(addAction(ActionEndCommunications), &QAction::triggered, this,
            &CommunicationsWindowMenuActions::endCommunicationsTriggered);
    connect(addAction(ActionMuteMic), &QAction::triggered, this,
            &CommunicationsWindowMenuActions::muteMicrophoneTriggered);
    if (configItem(CallRetrievalEnabled) || configItem(VideoEnabled) || configItem(ParkedCallWithPhone)) {
        connect(addAction(ActionHoldCall), &QAction::triggered, this,
                &CommunicationsWindowMenuActions::holdTriggered);
        addAction(ActionShowOwnVideo, SLOT(toggleShowOwnVideo()));
    }
    if (QObject* notifications = windowObject("notificationswidget")) {
        const auto* calls = qobject_cast<const Kivo::Actions::Provider*>(windowObject("actionsProvider"));
        const Kivo::Actions::Helper groups(config());
        if (groups.isEnabledForGroup(Kivo::Actions::Action::Call, true, false) ||
            groups.isEnabledForGroup(Kivo::Actions::Action::CallFromPhone, true, false))
            addAction(ActionAddParticipants);
        QAction* conferenceNew = addAction(ActionAddParticipantsNew);
        CHECKED_CONNECT(conferenceNew, SIGNAL(triggered()), notifications, SLOT(addParticipantsTriggered()));
        connectToWindow(conferenceNew, SLOT(showAndActivate()));
        if (configItem(TransferAllowed)) {
            CHECKED_CONNECT(addAction(ActionTransferCall), SIGNAL(triggered()), notifications,
                            SLOT(transferCallTriggered()));
            QAction* transferNew = addAction(ActionTransferCallNew);
            CHECKED_CONNECT(transferNew, SIGNAL(triggered()), notifications, SLOT(transferCallTriggered()));
            connectToWindow(transferNew, SLOT(showAndActivate()));
        }
        const Kivo::Actions::Action* park = calls ? calls->getActionById(Kivo::Actions::Action::CallPark) : nullptr;
        if (park && park->isEnabled()) {
            QAction* parkEntry = addAction(ActionCallPark, SLOT(showAndActivate()));
            CHECKED_CONNECT(parkEntry, SIGNAL(triggered()), notifications, SLOT(callParkTriggered()));
        }
    }
    const int recordMode = m_Session ? m_Session->getCallRecordMode() : 0;
    if (configItem(RecordingEnabled) && recordMode >= 3 && recordMode <= 5) {
        QMenu* recording = nullptr;
        if (recordMode == 5) {
            QAction* submenu = addAction(ActionCallRecordSubmenu);
            recording = new QMenu();
            connect(submenu, &QObject::destroyed, recording, &QObject::deleteLater);
            submenu->setMenu(recording);
        }
        QAction* start = addAction(ActionCallRecordStart);
        if (m_Session)
            connect(start, &QAction::triggered, m_Session.data(), &CommunicationSession::callRecordClicked);
        if (recording) {
            recording->addAction(start);
            QAction* stop = addAction(ActionCallRecordStop);
            if (m_Session)
                connect(stop, &QAction::triggered, m_Session.data(), &CommunicationSession::callRecordStopClicked);
            recording->addAction(stop);
        }
    }
    if (configItem(ChatHistoryEnabled)) {
        connect(addAction(ActionDeleteChatHistory), &QAction::triggered, this,
                &CommunicationsWindowMenuActions::deleteHistoryTriggered);
        Kivo::Controllers::ChatInterface* chat = m_Session ? m_Session->getChatInterface() : nullptr;
        if (chat && chat->isGroup() && !chat->isAdHoc() && !chat->isMyRoomChat()) {
            connect(addAction(ActionEditRoom), &QAction::triggered, chat,
                    &Kivo::Controllers::ChatInterface::requestRoomConfiguration);
            CHECKED_CONNECT(chat, SIGNAL(roomOwnerChanged()), this, SLOT(refreshChatSpecificActions()));
        }
    }
    for (QAction* action : qAsConst(m_Actions))
        action->setEnabled(false);
    addAction(ActionHideAudioOnlyWindow, SLOT(hide()));
    addAction(ActionOpenWindow, SLOT(showAndActivate()));
    QAction* onTop = addAction(ActionAlwaysOnTop, SLOT(alwaysOnTopTriggered()));
    onTop->setCheckable(true);
    onTop->setChecked(false);
    connect(onTop, &QAction::triggered, onTop, &QAction::toggle);
    onTop->setChecked(m_Window && (m_Window->windowFlags() & Qt::WindowStaysOnTopHint));
}

QString CommunicationsWindowMenuActions::recordingText() const
{
    const CallBasePtr* current = call();
    if (!current)
        return tr("Start Recording");
    switch (current->getCallRecordingState()) {
    case CallBasePtr::RecordingUnavailable:
    case CallBasePtr::NotRecording:
        return m_Session->getCallRecordMode() == 3 ? tr("Pause Recording") : tr("Start Recording");
    case CallBasePtr::Recording:
        return tr("Pause Recording");
    case CallBasePtr::RecordingPaused:
        return tr("Resume Recording");
    default:
        return tr("Start Recording");
    }
}

QString CommunicationsWindowMenuActions::actionText(int id) const
{
    const CallBasePtr* current = call();
    switch (id) {
    case ActionEndCommunications: {
        const bool callOn = m_Session && m_Session->callActive();
        const bool chatOn = m_Session && m_Session->chatActive();
        if ((callOn && chatOn) || (m_Session && m_Session->webCollabActive()))
            return tr("End communications");
        if (callOn)
            return tr("End Call");
        return chatOn ? tr("End Chat") : QString();
    }
    case ActionMuteMic:
        return current && current->isMicrophoneMuted() ? tr("Unmute Microphone") : tr("Mute Microphone");
    case ActionHoldCall:
        return current && current->getCallState() == CallBasePtr::OnHold ? tr("Unhold Call") : tr("Hold Call");
    case ActionTransferCall:
        return tr("Transfer to");
    case ActionTransferCallNew:
    case ActionAddParticipantsNew:
        return tr("New");
    case ActionAddParticipants:
        return tr("Conference with");
    case ActionCallPark:
        return tr("Park Call");
    case ActionCallRecordSubmenu:
        return tr("Record Call");
    case ActionCallRecordStart:
        return recordingText();
    case ActionCallRecordStop:
        return tr("Stop Recording");
    case ActionShowOwnVideo:
        return m_Window && m_Window->property("showOwnVideo").toBool() ? tr("Hide My Video") : tr("Show My Video");
    case ActionDeleteChatHistory:
        return tr("Delete Chat History");
    case ActionEditRoom:
        return tr("Edit Room");
    case ActionOpenWindow:
        return tr("Show Window");
    case ActionHideAudioOnlyWindow:
        return tr("Hide Window");
    case ActionAlwaysOnTop:
        return tr("Always on Top");
    default:
        return QString();
    }
}

void CommunicationsWindowMenuActions::retranslate()
{
    for (auto it = m_Actions.cbegin(); it != m_Actions.cend(); ++it) {
        // The contact entries keep the engine's words.
        if (it.key() < ActionJoinRoom || it.key() > ActionEditProfile)
            it.value()->setText(actionText(it.key()));
    }
}

bool CommunicationsWindowMenuActions::event(QEvent* e)
{
    if (e->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::event(e);
}

void CommunicationsWindowMenuActions::setEnabled(int id, bool enabled)
{
    if (QAction* found = action(id))
        found->setEnabled(enabled);
}

void CommunicationsWindowMenuActions::refreshText(int id)
{
    if (QAction* found = action(id))
        found->setText(actionText(id));
}

void CommunicationsWindowMenuActions::connectCallSignals()
{
    if (!m_Session)
        return;
    const char* refresh = SLOT(refreshCallSpecificActions());
    CHECKED_CONNECT(m_Session.data(),
                    SIGNAL(callStateChanged(Kivo::MediaEngine::CallBasePtr*,
                                            Kivo::MediaEngine::CallBasePtr::CallState)),
                    this, refresh);
    CHECKED_CONNECT(m_Session.data(),
                    SIGNAL(videoStateChanged(Kivo::MediaEngine::CallBasePtr*,
                                             Kivo::MediaEngine::CallBasePtr::CallState)),
                    this, refresh);
    CHECKED_CONNECT(m_Session.data(), SIGNAL(allowedToInviteChanged()), this, refresh);
    CHECKED_CONNECT(m_Session.data(), SIGNAL(callRecordingStateChanged()), this, refresh);
    if (CallBasePtr* current = call()) {
        CHECKED_CONNECT(current, SIGNAL(microphoneMutedChanged()), this, refresh);
        CHECKED_CONNECT(current, SIGNAL(sessionLostChanged()), this, refresh);
    }
}

void CommunicationsWindowMenuActions::refreshCallSpecificActions()
{
    if (!m_Session)
        return;
    const CallBasePtr* current = call();
    if (current && !current->isSessionLost()) {
        const bool progress = inProgress(current);
        const bool talking = current->getCallState() == CallBasePtr::InCall;
        const int type = current->getCallType();
        refreshText(ActionEndCommunications);
        setEnabled(ActionEndCommunications, progress);
        refreshText(ActionMuteMic);
        setEnabled(ActionMuteMic, talking && type != CallBasePtr::VyxCall && type != CallBasePtr::VyxConference);
        refreshText(ActionHoldCall);
        setEnabled(ActionHoldCall, progress);
        const int video = current->getVideoState();
        refreshText(ActionShowOwnVideo);
        setEnabled(ActionShowOwnVideo, (type == CallBasePtr::VideoCall || type == CallBasePtr::VideoConference) &&
                                           video != CallBasePtr::NoVideo && video != CallBasePtr::VideoCalling &&
                                           video != CallBasePtr::VideoRinging &&
                                           video != CallBasePtr::VideoUpdating);
        const bool transferable = progress && !m_Session->getHasAssociatedFirstCall();
        refreshText(ActionTransferCall);
        setEnabled(ActionTransferCall, transferable);
        setEnabled(ActionTransferCallNew, transferable);
        refreshText(ActionCallPark);
        setEnabled(ActionCallPark, progress);
        const bool invitable = progress && m_Session->isAllowedToInvite() && !m_Session->isMyRoomSession();
        refreshText(ActionAddParticipants);
        setEnabled(ActionAddParticipants, invitable);
        setEnabled(ActionAddParticipantsNew, invitable);
        refreshText(ActionCallRecordSubmenu);
        setEnabled(ActionCallRecordSubmenu, talking);
        refreshText(ActionCallRecordStart);
        setEnabled(ActionCallRecordStart, talking);
        const int recording = current->getCallRecordingState();
        refreshText(ActionCallRecordStop);
        setEnabled(ActionCallRecordStop, talking && (recording == CallBasePtr::Recording ||
                                                     recording == CallBasePtr::RecordingPaused));
        return;
    }
    refreshText(ActionEndCommunications);
    setEnabled(ActionEndCommunications, m_Session->chatActive());
    for (int id : {ActionHoldCall, ActionShowOwnVideo, ActionTransferCall, ActionTransferCallNew, ActionCallPark,
                   ActionAddParticipants, ActionAddParticipantsNew, ActionCallRecordStart, ActionCallRecordStop})
        setEnabled(id, false);
}

void CommunicationsWindowMenuActions::refreshChatSpecificActions()
{
    const bool chat = m_Session && m_Session->chatActive();
    setEnabled(ActionDeleteChatHistory, chat);
    if (QAction* edit = action(ActionEditRoom)) {
        const Kivo::Controllers::ChatInterface* room = m_Session ? m_Session->getChatInterface() : nullptr;
        const bool owner = chat && room && room->isRoomOwner();
        edit->setVisible(owner);
        edit->setEnabled(owner);
    }
    refreshText(ActionEndCommunications);
    setEnabled(ActionEndCommunications,
               m_Session && (chat || m_Session->callActive() || m_Session->webCollabActive()));
}

void CommunicationsWindowMenuActions::refreshContactSpecificActions()
{
    const bool oneToOne = m_Session && !m_Session->isGroup() && !m_Session->isMyRoomSession();
    const bool unsaved = m_Session && isUnsaved(m_Session->getContact());
    setEnabled(ActionAddContact, oneToOne && unsaved);
    for (int id : {ActionViewProfile, ActionJoinRoom, ActionJoinHangout})
        setEnabled(id, oneToOne);
    setEnabled(ActionEditProfile, oneToOne && !unsaved);
}

void CommunicationsWindowMenuActions::sessionStateChanged(CommunicationSession*, unsigned int, unsigned int, bool)
{
    refreshChatSpecificActions();
}

void CommunicationsWindowMenuActions::createContactActions()
{
    auto* provider = qobject_cast<Kivo::Actions::Provider*>(windowObject("participantActionsProvider"));
    if (!provider)
        return;
    provider->setActionSource(m_Session ? m_Session->getContact() : nullptr);
    ActionsHelper helper(m_Contacts, nullptr);
    for (const auto& entry : ContactEntries) {
        Kivo::Actions::Action* engineAction = provider->getActionById(entry.engineId);
        if (!engineAction)
            continue;
        // The entries of the previous build go: a menu built again must not pile them up.
        delete m_Actions.take(entry.type);
        if (QAction* made = helper.createAction(engineAction, provider, this, ActionsHelper::ContactMenu))
            m_Actions.insert(entry.type, made);
    }
    refreshContactSpecificActions();
}

QMenu* CommunicationsWindowMenuActions::createOptionsMenu()
{
    auto* menu = new QMenu();
    createContactActions();
    if (QAction* hold = action(ActionHoldCall))
        menu->addAction(hold);
    menu->addActions(appendSessionMenus(menu, m_Session, BothKinds, true));
    // The walk in the order of the ids moves Hold and the two sub-menus to their places.
    const bool recordingSubmenu = action(ActionCallRecordSubmenu);
    for (auto it = m_Actions.cbegin(); it != m_Actions.cend(); ++it) {
        const int id = it.key();
        if (id == ActionEndCommunications || id == ActionMuteMic || id == ActionTransferCallNew ||
            id == ActionAddParticipantsNew || id == ActionOpenWindow)
            continue;
        if (recordingSubmenu && (id == ActionCallRecordStart || id == ActionCallRecordStop))
            continue;
        menu->addAction(it.value());
    }
    const auto insertSeparatorBefore = [menu](QAction* before) {
        auto* separator = new QAction(menu);
        separator->setSeparator(true);
        menu->insertAction(before, separator);
    };
    QAction* ownVideo = action(ActionShowOwnVideo);
    insertSeparatorBefore(ownVideo && menu->actions().contains(ownVideo) ? ownVideo : nullptr);
    for (int id : {ActionJoinRoom, ActionViewProfile}) {
        if (QAction* found = action(id))
            insertSeparatorBefore(found);
    }
    QAction* windowEntry = action(ActionHideAudioOnlyWindow) ? action(ActionHideAudioOnlyWindow)
                                                             : action(ActionAlwaysOnTop);
    if (windowEntry)
        insertSeparatorBefore(windowEntry);
    return menu;
}

QList<QAction*> CommunicationsWindowMenuActions::appendSessionMenus(QMenu* holder, CommunicationSession* session,
                                                                    int kind, bool asSubMenu)
{
    QList<QAction*> result;
    QList<int> kinds = kind == BothKinds ? QList<int>{Conference, Transfer} : QList<int>{kind};
    if (!configItem(TransferAllowed))
        kinds.removeAll(Transfer);
    for (int current : qAsConst(kinds)) {
        auto* menu = new QMenu(holder);
        fillSessionMenu(menu, session, current);
        QAction* fresh = action(current == Transfer ? ActionTransferCallNew : ActionAddParticipantsNew);
        if (fresh && fresh->isEnabled())
            menu->addAction(fresh);
        if (asSubMenu) {
            QAction* holderAction = action(current == Transfer ? ActionTransferCall : ActionAddParticipants);
            if (holderAction) {
                // The sub-menu of an earlier build goes with the new one's arrival; an empty one
                // shows its entry disabled rather than an old list.
                if (QMenu* old = holderAction->menu(); old && old != menu)
                    old->deleteLater();
                holderAction->setMenu(menu);
                if (menu->isEmpty())
                    holderAction->setEnabled(false);
                result.append(holderAction);
            } else {
                delete menu;
            }
        } else if (menu->isEmpty()) {
            delete menu;
        } else {
            for (QAction* entry : menu->actions()) {
                entry->setParent(holder);
                result.append(entry);
            }
            delete menu;
        }
    }
    return result;
}

void CommunicationsWindowMenuActions::fillSessionMenu(QMenu* menu, CommunicationSession* session, int kind)
{
    if (!m_Contacts || !session || !session->callActive())
        return;
    const bool flag = configItem(ContactListDisplayOptions);
    const CallBasePtr* sessionCall = session->getCall();
    if (kind == Transfer && sessionCall && sessionCall->isExecutiveCall()) {
        menu->addActions(createExecutiveMenu(menu, session));
        return;
    }
    const Kivo::Controllers::CommsSessionController* comms = m_Contacts->commsSessionController();
    const QList<CommunicationSession*> others =
        comms ? comms->commsList() : QList<CommunicationSession*>();
    auto* receiver = const_cast<Kivo::Contacts::Contacts*>(m_Contacts.data());
    for (CommunicationSession* other : others) {
        if (other == session)
            continue;
        QString reason;
        const bool qualifies = kind == Conference ? session->getConferencingOptions(other, flag, reason) != 0
                                                  : session->canTransferWith(other, flag, reason);
        if (!qualifies)
            continue;
        QString text;
        if (const Kivo::Contacts::IContact* contact = other->getContact())
            text = contact->getDisplayName();
        else if (other->isGroup())
            text = tr("Group Communications");
        else
            text = other->jid().isEmpty() ? other->uri() : other->jid();
        auto* entry = new QAction(text, menu);
        entry->setData(kind == Conference ? Kivo::Actions::Action::Conference : Kivo::Actions::Action::Transfer);
        entry->setProperty(Kivo::Controllers::CommsSessionController::getOriginatorKey().toLatin1(), session->uri());
        entry->setProperty(Kivo::Controllers::CommsSessionController::getDestinationKey().toLatin1(), other->uri());
        if (!CHECKED_CONNECT(entry, SIGNAL(triggered()), receiver, SLOT(handleCommsCustomActions()))) {
            delete entry;
            continue;
        }
        menu->addAction(entry);
    }
}

QList<QAction*> CommunicationsWindowMenuActions::createExecutiveMenu(QObject* holder, CommunicationSession* session)
{
    QList<QAction*> entries;
    const auto* model = qobject_cast<const QAbstractItemModel*>(windowObject("executivesModel"));
    CallBasePtr* sessionCall = session->getCall();
    if (!model || !sessionCall || !m_Contacts)
        return entries;
    QList<Kivo::Contacts::IContact*> candidates;
    for (int row = 0; row < model->rowCount(); ++row) {
        auto* contact =
            qobject_cast<Kivo::Contacts::IContact*>(model->index(row, 0).data(ExecutiveContactRole).value<QObject*>());
        if (contact && !candidates.contains(contact))
            candidates.append(contact);
    }
    const Kivo::Contacts::IContact* remote = m_Contacts->findByAddress(sessionCall->getRemoteAddress());
    if (!remote)
        return entries;
    const int remoteAt = candidates.indexOf(const_cast<Kivo::Contacts::IContact*>(remote));
    if (remoteAt > 0)
        candidates.move(remoteAt, 0);
    auto* receiver = const_cast<Kivo::Contacts::Contacts*>(m_Contacts.data());
    for (Kivo::Contacts::IContact* candidate : qAsConst(candidates)) {
        if (candidate->getAddress().isEmpty())
            continue;
        auto* entry = new QAction(candidate->getDisplayName(), holder);
        entry->setProperty(Constants::ActionProperty::ExecAddress, candidate->getAddress());
        if (candidate != remote)
            connect(entry, &QAction::triggered, session, &CommunicationSession::transferToExecutive);
        else if (sessionCall->getCallType() == CallBasePtr::VyxCall)
            connect(entry, &QAction::triggered, sessionCall, &CallBasePtr::pushToExecutive);
        else
            CHECKED_CONNECT(entry, SIGNAL(triggered()), receiver, SLOT(pushCallToExecutive()));
        entries.append(entry);
    }
    if (auto* menu = qobject_cast<QMenu*>(holder); menu && !entries.isEmpty()) {
        auto* afterFirst = new QAction(menu);
        afterFirst->setSeparator(true);
        entries.insert(1, afterFirst);
        auto* last = new QAction(menu);
        last->setSeparator(true);
        entries.append(last);
    }
    return entries;
}

void CommunicationsWindowMenuActions::endCommunicationsTriggered()
{
    if (!m_Session)
        return;
    if (CallBasePtr* current = call(); current && m_Session->callActive())
        current->end(0);
    if (m_Session && m_Session->chatActive())
        m_Session->closeChat();
    if (m_Session && m_Session->webCollabActive())
        m_Session->closeWebcollab();
}

void CommunicationsWindowMenuActions::muteMicrophoneTriggered()
{
    CallBasePtr* current = call();
    if (!current)
        return;
    if (current->isMicrophoneMuted())
        current->unmute();
    else
        current->mute();
}

void CommunicationsWindowMenuActions::holdTriggered()
{
    if (CallBasePtr* current = call())
        current->toggleHold();
}

void CommunicationsWindowMenuActions::deleteHistoryTriggered()
{
    const Kivo::Settings settings(Kivo::Settings::UserSettings);
    if (!settings.value(Constants::SettingsKey::ConfirmHistoryRecord, true).toBool()) {
        emit deleteChatHistory();
        return;
    }
    const bool onTop = m_Window && (m_Window->windowFlags() & Qt::WindowStaysOnTopHint);
    const int answer = Dialogs::MessageWindow::question(tr("Confirm Removal"),
                                                        tr("Are you sure you want to delete the chat history?"),
                                                        false, onTop);
    if (answer == 1)
        emit deleteChatHistory();
}

} // namespace Actions
} // namespace Utils
