#include "Providers/factory.h"

#include "Dialogs/message_window.h"
#include "Providers/config_xml.h"
#include "Providers/media_volume_helper.h"
#include "Providers/profile_picture_helper.h"
#include "Utils/aggregation_enabler.h"
#include "Utils/communications_window_manager.h"
#include "Utils/presence_helper.h"
#include "Utils/session_state_watcher_enabler.h"
#include "Widgets/group_name_input.h"
#include "common/assertions.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/ActionData.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Actions/Source.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/ContactSynchronizer.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/FtController.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/Outlook/OutlookIntegration.h>
#include <Kivo/Presence/IPresenceController.h>
#include <Kivo/Presence/PresenceData.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Sessions/SubSession.h>
#include <Kivo/Settings.h>
#include <Kivo/Vyx/SupplementaryServicesController.h>

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>

namespace Providers {

namespace {

using Kivo::Actions::Action;
using Kivo::Contacts::IContact;

// Configuration items the factory reads.
enum ConfigItem
{
    PresenceEnabled = 6,
    CallRetrievalEnabled = 85,
    MediaVolumeEnabled = 100,
    OutlookContactSearch = 180,
    SupplementaryServicesBase1 = 191,
    SupplementaryServicesBase2 = 192,
    FirstSupplementaryService = 193,
    LastSupplementaryService = 201,
    MultipleSharesAllowed = 296,
    DirectorySyncByImAddress = 361,
    SupplementaryServicesBase3 = 371,
    OutlookCalendar = 391
};

// The session's sub-session kind the call-settings watcher follows: none, reconnection only.
constexpr int CallSettingsWatchedKind = 2;

bool userSettingTrue(const char* key, bool byDefault)
{
    return Kivo::Settings(Kivo::Settings::UserSettings).value(key, byDefault).toBool();
}

bool userSettingExists(const char* key)
{
    return Kivo::Settings(Kivo::Settings::UserSettings).contains(key);
}

// The contacts a triggered action applies to.
QList<IContact*> contactsOf(Kivo::Actions::Source& source)
{
    if (source.sourceType() == Kivo::Actions::Source::ActiveCommsComposite) {
        auto* composite = qobject_cast<Kivo::Actions::ActiveCommsSourceComposite*>(&source);
        return composite ? composite->contacts() : QList<IContact*>();
    }
    if (auto* composite = qobject_cast<Kivo::Actions::ContactSourceComposite*>(&source))
        return composite->contacts();
    if (auto* contact = qobject_cast<IContact*>(source.sourceObject()))
        return {contact};
    return {};
}

// Connects only a signal and a slot that both exist, so a peer without them is skipped
// quietly.
bool connectIfPresent(QObject* sender, const char* signal, QObject* receiver, const char* slot)
{
    if (!sender || !receiver)
        return false;
    const QByteArray signalSignature = QMetaObject::normalizedSignature(signal + 1);
    const QByteArray slotSignature = QMetaObject::normalizedSignature(slot + 1);
    if (sender->metaObject()->indexOfSignal(signalSignature) < 0
        || receiver->metaObject()->indexOfSlot(slotSignature) < 0) {
        LOG_DEBUG << "Not wired, missing: " << signalSignature << " or " << slotSignature;
        return false;
    }
    return CHECKED_CONNECT(sender, signal, receiver, slot);
}

} // namespace

Factory::Factory(Kivo::Sessions::SessionManagerBase* session,
                 Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                 Utils::CommunicationsWindowManager* windowManager, Kivo::Controllers::FtController* fileTransfer)
    : Kivo::Actions::ActionsProviderFactory(session, contacts, nullptr)
    , m_ConfigXml(new ConfigXML(session ? session->getConfig() : nullptr, this))
    , m_ProfilePictureHelper(new ProfilePictureHelper(this))
    , m_Contacts(contacts)
    , m_FileTransferController(fileTransfer)
    , m_CommunicationsWindowManager(windowManager)
{
    Kivo::MediaEngine::CallControllerBase* calls = session ? session->callController() : nullptr;
    Kivo::MediaEngine::IMediaHandlerAudio* audio = calls ? calls->GetMediaHandlerAudio() : nullptr;
    if ((configItem(CallRetrievalEnabled) || configItem(MediaVolumeEnabled)) && audio)
        m_MediaVolumeHelper = new MediaVolumeHelper(audio, this);

    if (m_FileTransferController) {
        connectIfPresent(windowManager, SIGNAL(startFileTransfer(Kivo::Controllers::ChatInterface*, const QString&)),
                         m_FileTransferController, SLOT(startFileTransfer(Kivo::Controllers::ChatInterface*, const QString&)));
    }

    if (Kivo::Vyx::SupplementaryServicesController* services =
            session ? session->supplementaryServicesController() : nullptr)
        CHECKED_CONNECT(services, SIGNAL(servicesReady()), this, SLOT(onSupplementaryServicesReady()));

    m_AggregationEnabler = new Utils::AggregationEnabler(this);

    if (configItem(PresenceEnabled)) {
        IContact* own = m_Contacts ? m_Contacts->getContact(0) : nullptr;
        if (Kivo::Presence::PresenceData* presence = own ? own->getPresence() : nullptr) {
            m_PresenceHelper = new Utils::PresenceHelper(presence, this);
            CHECKED_CONNECT(session, SIGNAL(reconnectionStateChanged(Kivo::Sessions::SessionManagerBase*, bool)),
                            m_PresenceHelper,
                            SLOT(sessionReconnectionStateChanged(Kivo::Sessions::SessionManagerBase*, bool)));
        }
        if (Kivo::Sessions::SubSession* xmpp = session ? session->xmppSubSession() : nullptr) {
            CHECKED_CONNECT(xmpp,
                            SIGNAL(stateChanged(const Kivo::Sessions::SubSession*, Kivo::Sessions::SubSession::State)),
                            this, SLOT(onXmppConnectStateChanged()));
            onXmppConnectStateChanged();
        }
    }

    if (Kivo::Controllers::CommsSessionController* comms = session ? session->commsSessionController() : nullptr)
        CHECKED_CONNECT(comms, SIGNAL(groupCommunicationError(int, bool)), this, SLOT(cbGroupCommunicationError(int, bool)));
}

Factory::~Factory()
{
    const QList<QWidget*> cards = m_ContactCards.values();
    m_ContactCards.clear();
    // A session may end while a card's own scene is handling a click: the cards go once
    // control is back in the event loop.
    for (QWidget* card : cards) {
        card->disconnect(this);
        card->hide();
        card->deleteLater();
    }
}

bool Factory::configItem(int number) const
{
    const Kivo::Sessions::SessionManagerBase* current = session();
    const Kivo::Configuration::Config* config = current ? current->getConfig() : nullptr;
    return config && config->value(number).toBool();
}

Kivo::Actions::Provider* Factory::createActionsProvider(QObject* parent, bool global)
{
    Kivo::Actions::Provider* provider = Kivo::Actions::ActionsProviderFactory::createActionsProvider(parent, global);
    CHECKED_CONNECT(provider, SIGNAL(actionTriggered(Kivo::Actions::ActionData&, Kivo::Actions::Source&)), this,
                    SLOT(onActionTriggered(Kivo::Actions::ActionData&, Kivo::Actions::Source&)));
    if (Kivo::Controllers::CommsSessionController* comms = session() ? session()->commsSessionController() : nullptr) {
        CHECKED_CONNECT(provider, SIGNAL(actionTriggered(Kivo::Actions::ActionData&, Kivo::Actions::Source&)), comms,
                        SLOT(actionTriggered(Kivo::Actions::ActionData&, Kivo::Actions::Source&)));
    }
    CHECKED_CONNECT(provider, SIGNAL(actionConfirmationRequired(Kivo::Actions::Action&)), this,
                    SLOT(onActionConfirmationRequired(Kivo::Actions::Action&)));
    return provider;
}

bool Factory::isAlwaysOnTop() const
{
    if (userSettingTrue(Constants::SettingsKey::MainWindowAlwaysOnTop, false))
        return true;
    return m_CommunicationsWindowManager && m_CommunicationsWindowManager->isAnyWindowAlwaysOnTop();
}

void Factory::setAlwaysOnTop(bool onTop)
{
    if (m_PresenceHelper)
        m_PresenceHelper->setAlwaysOnTop(onTop);
}

void Factory::showProfilePhotosTriggered(bool shown)
{
    m_ProfilePictureHelper->setShowProfilePictures(shown);
}

QString Factory::shownName(const QString& name)
{
    if (name.length() <= MaxShownNameLength)
        return name;
    // Never keep half of a character written as a surrogate pair.
    const int cut = name.at(MaxShownNameLength - 1).isHighSurrogate() ? MaxShownNameLength - 1 : MaxShownNameLength;
    return name.left(cut) + QStringLiteral("...");
}

void Factory::onActionTriggered(Kivo::Actions::ActionData& data, Kivo::Actions::Source& source)
{
    if (Action::isCommunicationAction(data.getId()))
        return;
    const QList<IContact*> contacts = contactsOf(source);
    if (contacts.size() != 1 || !contacts.first())
        return;
    IContact* contact = contacts.first();
    switch (data.getId()) {
    case Action::CopyPhoneNumber: {
        const QString number =
            contact->getProperty(Kivo::Contacts::Properties::Key(data.getPropertyType())).toString();
        if (number.isEmpty())
            break;
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(number, QClipboard::Clipboard);
        clipboard->setText(number, QClipboard::Selection);
        break;
    }
    case Action::SetFavorite:
        if (m_Contacts)
            m_Contacts->addFavorite(contact->getId());
        break;
    case Action::RemoveFavorite:
        if (m_Contacts)
            m_Contacts->removeFavorite(contact->getId());
        break;
    case Action::ViewProfile:
        showContactCard(false, contact, false);
        break;
    case Action::EditProfile:
        showContactCard(false, contact, true);
        break;
    case Action::AddContact:
        if (!contact->isStored())
            synchronizeContact(contact);
        LOG_TRACE << "Adding manually: " << contact->getIdentity();
        if (m_Contacts)
            m_Contacts->addContact(contact, true, false);
        break;
    case Action::Subscribe:
        LOG_TRACE << "Subscribing contact: " << contact->getIdentity();
        contact->subscribe();
        break;
    case Action::Unsubscribe:
        LOG_TRACE << "Unubscribing contact: " << contact->getIdentity();
        contact->unsubscribe();
        break;
    case Action::DeleteContact:
        removeContact(contact);
        break;
    default:
        break;
    }
}

void Factory::synchronizeContact(IContact* contact)
{
    const QString address = contact->getAddress();
    if (address.isEmpty() || !address.startsWith(contact->getDisplayName(), Qt::CaseInsensitive))
        return;
    Kivo::Sessions::SessionManagerBase* current = session();
    auto* synchronizer = new Kivo::Contacts::ContactSynchronizer(
        current ? current->contactSearchController() : nullptr, configItem(DirectorySyncByImAddress), false);
    CHECKED_CONNECT(synchronizer, SIGNAL(syncDone()), this, SLOT(onContactSynchronized()));
    CHECKED_CONNECT(synchronizer, SIGNAL(syncError()), synchronizer, SLOT(deleteLater()));
    if (!synchronizer->syncWithDirectory(contact, 0))
        delete synchronizer;
}

void Factory::onContactSynchronized()
{
    auto* synchronizer = qobject_cast<Kivo::Contacts::ContactSynchronizer*>(sender());
    ASSERT_RETURN(synchronizer);
    IContact* contact = synchronizer->getContact();
    if (contact && !synchronizer->hasMultipleMatches()) {
        // The name was only the address; the directory's name replaces it.
        contact->setProperty(Kivo::Contacts::Properties::DisplayName, QString());
        contact->updateProperties(synchronizer->getProperties());
    }
    synchronizer->deleteLater();
}

void Factory::removeContact(IContact* contact)
{
    if (!contact || !m_Contacts)
        return;
    const QString name = contact->getDisplayName().isEmpty() ? contact->getAddress() : contact->getDisplayName();
    QPointer<IContact> guarded(contact);
    if (userSettingTrue(Constants::SettingsKey::ConfirmRemoveContact, true)) {
        const int answer = Dialogs::MessageWindow::question(
            tr("Confirm Deletion"), tr("Are you sure you want to remove %1 from your contact list?").arg(shownName(name)),
            true, isAlwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::No, nullptr, QDialogButtonBox::No);
        // The question waits in an event loop of its own: the contact or the list may be gone.
        if (answer != 1 || !guarded || !m_Contacts)
            return;
    }
    m_Contacts->removeContact(guarded);
}

void Factory::cbGroupCommunicationError(int limit, bool adding)
{
    QString text;
    if (!adding) {
        text = tr("Initiating group communication failed. You cannot select more than %1 contacts to start a group "
                  "communication with. Check your selection and try again.")
                   .arg(limit);
    } else if (limit > 0) {
        text = tr("Failed to add contacts to the communication. You cannot add more than %1 contacts to your group "
                  "communication. Check your selection and try again.")
                   .arg(limit);
    } else {
        text = tr("Failed to add contacts to the communication. You cannot add any more contacts to your group "
                  "communication.");
    }
    Dialogs::MessageWindow::showInformation(tr("Error"), text, isAlwaysOnTop());
}

void Factory::onActionConfirmationRequired(Kivo::Actions::Action& action)
{
    if (action.getId() != Action::ShareDesktop)
        return;
    const QString text = configItem(MultipleSharesAllowed)
        ? tr("You have selected to start multiple shares. By selecting Yes you will stream your desktop in multiple "
             "communications. Note that ending one sharing session will not end all sharing session. Each session "
             "needs to be closed individually.")
        : tr("Starting a share will end ongoing share. Continue?");
    Dialogs::MessageWindow* window = Dialogs::MessageWindow::showQuestion(tr("Confirm Share"), text, isAlwaysOnTop());
    CHECKED_CONNECT(window, SIGNAL(messageAccepted(bool)), &action, SLOT(trigger()));
    CHECKED_CONNECT(window, SIGNAL(messageRejected(bool)), &action, SLOT(reject()));
}

Kivo::Contacts::IContact* Factory::senderContact() const
{
    const QAction* action = qobject_cast<QAction*>(sender());
    if (!action || !m_Contacts)
        return nullptr;
    bool ok = false;
    const int id = action->property(Constants::ActionProperty::ContactId).toInt(&ok);
    return ok ? m_Contacts->getContact(id) : nullptr;
}

int Factory::senderGroupId() const
{
    const QAction* action = qobject_cast<QAction*>(sender());
    return action ? action->data().toInt() : 0;
}

void Factory::addToGroupTriggered()
{
    if (IContact* contact = senderContact())
        contact->addToGroup(senderGroupId());
}

void Factory::removeFromGroupTriggered()
{
    if (IContact* contact = senderContact())
        contact->removeFromGroup(senderGroupId());
}

Kivo::Contacts::IGroup* Factory::senderGroup() const
{
    return m_Contacts && qobject_cast<QAction*>(sender()) ? m_Contacts->getGroup(senderGroupId()) : nullptr;
}

void Factory::editGroupTriggered()
{
    Kivo::Contacts::IGroup* group = senderGroup();
    if (!group)
        return;
    auto* input = new Widgets::GroupNameInput(group->getName(), isAlwaysOnTop(), nullptr);
    CHECKED_CONNECT(input, SIGNAL(accepted(const QString&)), group, SLOT(setName(const QString&)));
    CHECKED_CONNECT(this, SIGNAL(destroyed()), input, SLOT(close()));
    input->show();
}

void Factory::removeGroupTriggered()
{
    Kivo::Contacts::IGroup* group = senderGroup();
    if (!group)
        return;
    if (!userSettingTrue(Constants::SettingsKey::ConfirmRemoveGroup, true)) {
        m_Contacts->removeGroup(group->getId());
        return;
    }
    auto* window = new Dialogs::MessageWindow(
        nullptr, tr("Confirm Deletion"),
        tr("Are you sure you want to remove %1 group from your list?").arg(shownName(group->getName())), false,
        QDialogButtonBox::NoButton, isAlwaysOnTop(), false, false);
    window->addButton(tr("Remove Group"), QDialogButtonBox::YesRole, true);
    window->addButton(tr("Cancel"), QDialogButtonBox::NoRole, false);
    window->setData(group->getId());
    CHECKED_CONNECT(window, SIGNAL(messageAccepted(bool)), this, SLOT(removeGroupAccepted()));
    window->show();
}

void Factory::removeGroupAccepted()
{
    auto* window = qobject_cast<Dialogs::MessageWindow*>(sender());
    ASSERT_RETURN(window);
    if (m_Contacts)
        m_Contacts->removeGroup(window->data().toInt());
}

void Factory::onXmppConnectStateChanged()
{
    Kivo::Sessions::SessionManagerBase* current = session();
    Kivo::Controllers::IPresenceController* presence = current ? current->presenceController() : nullptr;
    if (!presence)
        return;
    const Kivo::Sessions::SubSession* xmpp = current->xmppSubSession();
    const bool connected = xmpp && xmpp->getState() == Kivo::Sessions::SubSession::Connected;
    if (m_PresenceHelper && m_PresenceHelper->menu())
        m_PresenceHelper->menu()->setEnabled(connected || presence->getOfflineMode());
}

void Factory::onSupplementaryServicesReady()
{
    Kivo::Sessions::SessionManagerBase* current = session();
    const bool base = !current || !current->getConfig()
        || (configItem(SupplementaryServicesBase1) && configItem(SupplementaryServicesBase2)
            && configItem(SupplementaryServicesBase3));
    const Kivo::Vyx::SupplementaryServicesController* services =
        current ? current->supplementaryServicesController() : nullptr;
    bool anyService = false;
    for (int item = FirstSupplementaryService; item <= LastSupplementaryService; ++item)
        anyService = anyService || configItem(item);
    const bool offered = services && services->servicesCount() > 0 && base && anyService;
    m_AggregationEnabler->setSourceEnabled(offered, this);
    // The services may report ready again; the one watcher already follows the session.
    if (!m_CallSettingsWatcher) {
        m_CallSettingsWatcher = new Utils::SessionStateWatcherEnabler(current, CallSettingsWatchedKind, this);
        m_CallSettingsWatcher->addAggregationEnabler(m_AggregationEnabler);
    }
}

bool Factory::isOutlookQueryNeeded() const
{
    return (configItem(OutlookContactSearch) && !userSettingExists(Constants::SettingsKey::OutlookSearchEnabled))
        || (configItem(OutlookCalendar) && configItem(PresenceEnabled)
            && !userSettingExists(Constants::SettingsKey::OutlookCalendarEnabled));
}

void Factory::showOutlookFirstRunDialog()
{
    if (!isOutlookQueryNeeded()) {
        emit outlookFirstRunQueryAccepted();
        return;
    }
    Dialogs::MessageWindow* window = Dialogs::MessageWindow::showQuestion(
        tr("Outlook integration"),
        tr("If you have Outlook installed on your computer, you can allow the client to search your Outlook contacts "
           "and observe calendar events. To do this you need to allow %1 to access the information in Outlook.\n\n"
           "You can change these settings later through Preferences in the General tab.\nAllow? ")
            .arg(QCoreApplication::applicationName()),
        isAlwaysOnTop());
    CHECKED_CONNECT(window, SIGNAL(messageAccepted(bool)), this, SIGNAL(outlookFirstRunQueryAccepted()));
    connectOutlookIntegrations(window, SIGNAL(accepted(bool, bool)), SLOT(outlookQueryResponse(bool)));
}

void Factory::showOutlookAcceptanceDialog(bool detected)
{
    if (!detected)
        return;
    if (!isOutlookQueryNeeded()) {
        emit readyToProcessOutlook();
        return;
    }
    Dialogs::MessageWindow* window = Dialogs::MessageWindow::showQuestion(
        tr("Outlook detected"),
        tr("Microsoft Outlook was detected in your system. %1 can include Outlook address book in your contacts "
           "search and update your availability based on your Outlook calendar entries.\n\nPlease note that you may "
           "be asked for additional permissions from Outlook if you proceed. These features can be enabled or "
           "disabled later in application preferences.\nDo you want to enable these features? ")
            .arg(QCoreApplication::applicationName()),
        isAlwaysOnTop());
    connectOutlookIntegrations(window, SIGNAL(messageAccepted(bool)), SLOT(outlookCalendarChecked(bool)));
}

void Factory::connectOutlookIntegrations(QObject* window, const char* signal, const char* slot) const
{
    const Kivo::Sessions::SessionManagerBase* current = session();
    if (!current)
        return;
    for (Kivo::Outlook::OutlookIntegration* integration :
         {current->outlookContactsIntegration(), current->outlookCalendarIntegration()}) {
        if (integration)
            CHECKED_CONNECT(window, signal, integration, slot);
    }
}

} // namespace Providers
