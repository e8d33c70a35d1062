// The controller's side of the add-ins' link: who is connected, what they ask and what they
// are told.

#include <Kivo/ApiProvider/ConnectorData.h>
#include <Kivo/ApiProvider/Controller.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>
#include <Kivo/Simulation/Service.h>

#include "addin_connection.h"
#include "addin_server.h"
#include "call_tracker.h"
#include "contact_lookup.h"
#include "contact_replies.h"
#include "presence_mapping.h"
#include "session_events.h"

#include "../kivo_log.h"

#include <QLocalSocket>
#include <QStandardItemModel>

#include <algorithm>

namespace Kivo {
namespace ApiProvider {

using Tesk::Core::Logging::LevelDebug;
using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

namespace {

const char* const LanguageKey = "settings/language/active";
// The user's policy towards add-ins (the preferences' Add-ins page): whether others than
// the maker's own may connect at all, and what happens to an add-in that connects unasked.
const char* const AllowConnectorsKey = "settings/api_provider_allow_connectors";
const char* const AllConnectors = "all";
const char* const NoConfirmationKey = "settings/api_connection_no_confirmation";
const char* const AcceptByDefaultKey = "settings/api_connection_accept_by_default";
// The user's answer to each add-in, by the identity it gives, kept for the next start.
const char* const DecisionsGroup = "api_connectors/decisions/";
const char* const AcceptedDecision = "accepted";
const char* const RejectedDecision = "rejected";
// The vendor the maker's own add-ins (the desk-phone connector, the add-in console) give.
const char* const MakerVendor = "Marlowane Inc";

// A row the user accepted or rejected outlives the add-in's link; the add-in finds it again
// when it connects under the same identity.
constexpr int DecidedRole = ConnectorData::ObjectRole + 1;
constexpr int UuidRole = ConnectorData::ObjectRole + 2;

ConnectorData* connectorOf(const QStandardItem* item)
{
    return qobject_cast<ConnectorData*>(item->data(ConnectorData::ObjectRole).value<QObject*>());
}

// Contacts an add-in names by id are called at their number, else at their address.
QStringList addressesOf(AddinConnection* connection, const QList<int>& contactIds)
{
    QStringList addresses;
    for (const int contactId : contactIds) {
        const std::optional<Simulation::ContactRecord> contact = ContactLookup::find(contactId);
        if (!contact) {
            if (connection->mayWarn())
                KIVO_LOG(LevelWarning) << "Client API: an add-in asked to call unknown contact " << contactId;
            continue;
        }
        addresses.append(ContactLookup::callAddress(*contact));
    }
    return addresses;
}

bool isThirdParty(const AddinConnection* connection)
{
    return connection->helloProperty("vendor") != QLatin1String(MakerVendor);
}

bool thirdPartyAllowed()
{
    return Settings(Settings::ApplicationSettings).value(AllowConnectorsKey).toString() == QLatin1String(AllConnectors);
}

// What the user answered for the add-in of `uuid` before; Pending when nothing was kept.
ConnectorData::State keptDecision(const QString& uuid)
{
    if (uuid.isEmpty())
        return ConnectorData::Pending;
    const QString decision = Settings(Settings::ApplicationSettings).value(DecisionsGroup + uuid).toString();
    if (decision == QLatin1String(AcceptedDecision))
        return ConnectorData::Accepted;
    if (decision == QLatin1String(RejectedDecision))
        return ConnectorData::Rejected;
    return ConnectorData::Pending;
}

void keepDecision(const QString& uuid, ConnectorData::State state)
{
    if (uuid.isEmpty() || state == ConnectorData::Pending)
        return;
    Settings(Settings::ApplicationSettings)
        .setValue(DecisionsGroup + uuid, state == ConnectorData::Accepted ? AcceptedDecision : RejectedDecision);
}

// How the policy answers for the user a new add-in the user has not answered for: Pending
// leaves the answer to the user.
ConnectorData::State policyFor()
{
    const Settings settings(Settings::ApplicationSettings);
    if (!settings.value(NoConfirmationKey, false).toBool())
        return ConnectorData::Pending;
    return settings.value(AcceptByDefaultKey, false).toBool() ? ConnectorData::Accepted : ConnectorData::Rejected;
}

// The add-in is told that this client will not serve it, so that it stops coming back.
void refuse(AddinConnection* connection)
{
    connection->setAdmitted(false);
    connection->send(AddinEvents::connectionState(AddinEvents::NotConnected));
    connection->flush();
    connection->socket()->disconnectFromServer();
}

void refuseRejected(AddinConnection* connection, const QString& name)
{
    KIVO_LOG(LevelInfo) << "Client API: add-in " << name << " refused, the user rejected it";
    refuse(connection);
}

} // namespace

void Controller::startAddinServer()
{
    if (m_AddinServer)
        return;
    m_AddinServer = new AddinServer(this);
    m_Calls = new CallTracker(m_AddinServer, this);
    m_SessionEvents = new SessionEvents(m_AddinServer, this);
    connect(m_AddinServer, &AddinServer::commandReceived, this, &Controller::onAddinCommand);
    connect(m_AddinServer, &AddinServer::connectorIntroduced, this, &Controller::onConnectorIntroduced);
    connect(m_AddinServer, &AddinServer::connectorLeft, this, &Controller::onConnectorLeft);
    // A session the service ends by itself is over for the add-ins too.
    connect(&Simulation::Service::shared(), &Simulation::Service::signedOut, this, [this] { serveSession(false); });
    if (m_AddinServer->listen(AddinServer::defaultName()))
        KIVO_LOG(LevelDebug) << "Client API controller ready, add-ins connect on " << m_AddinServer->fullServerName();
}

void Controller::serveSession(bool serve)
{
    if (!m_AddinServer)
        return;
    if (serve) {
        m_Calls->start();
        m_SessionEvents->start();
        m_AddinServer->setState(AddinEvents::Connected);
        return;
    }
    if (m_AddinServer->state() != AddinEvents::Connected)
        return;
    m_Calls->stop();
    m_SessionEvents->stop();
    m_AddinServer->broadcast(AddinEvents::Always, AddinEvents::signedOut());
    m_AddinServer->setState(AddinEvents::Connecting);
}

void Controller::tellLanguage(AddinConnection* connection)
{
    if (!m_AddinServer)
        return;
    const QString language = Settings(Settings::ApplicationSettings).value(LanguageKey, "en").toString();
    if (connection)
        connection->send(AddinEvents::language(language));
    else
        m_AddinServer->broadcast(AddinEvents::Always, AddinEvents::language(language));
}

void Controller::tellClearLogs()
{
    if (m_AddinServer)
        m_AddinServer->broadcast(AddinEvents::Always, AddinEvents::clearLogs());
}

void Controller::onConnectorIntroduced(AddinConnection* connection)
{
    const QString name = connection->helloProperty("name");
    if (isThirdParty(connection) && !thirdPartyAllowed()) {
        KIVO_LOG(LevelInfo) << "Client API: add-in " << name << " of " << connection->helloProperty("vendor")
                            << " refused, only the maker's add-ins may connect";
        refuse(connection);
        return;
    }
    const QString uuid = connection->uuid();
    QStandardItem* item = uuid.isEmpty() ? nullptr : m_ConnectorsByUuid.value(uuid);
    if (!item) {
        auto* connector = new ConnectorData(name, connection->helloProperty("vendor"),
                                            connection->helloProperty("description"), connection->version(),
                                            m_AllConnectors);
        const ConnectorData::State kept = keptDecision(uuid);
        connector->setState(kept != ConnectorData::Pending ? kept : policyFor());
        item = new QStandardItem(connector->name());
        item->setData(QVariant::fromValue<QObject*>(connector), ConnectorData::ObjectRole);
        item->setData(uuid, UuidRole);
        // The user's answer, and a refusal (which the user may undo), keep the add-in listed
        // while it is away.
        item->setData(kept != ConnectorData::Pending || connector->state() == ConnectorData::Rejected, DecidedRole);
        // Only the user changes the state from here on, and the answer is kept.
        connect(connector, &ConnectorData::stateChanged, m_AllConnectors,
                [this, item, connector] { onConnectorDecided(item, connector); });
        m_AllConnectors->appendRow(item);
        if (!uuid.isEmpty())
            m_ConnectorsByUuid.insert(uuid, item);
    }
    ConnectorData* const connector = connectorOf(item);
    switch (connector->state()) {
    case ConnectorData::Rejected:
        refuseRejected(connection, connector->name());
        break;
    case ConnectorData::Pending:
        KIVO_LOG(LevelInfo) << "Client API: add-in " << connector->name() << " waits for the user's decision";
        m_WaitingLinks.insert(connection, item);
        break;
    case ConnectorData::Accepted:
        admit(connection, item);
        break;
    }
}

void Controller::onConnectorDecided(QStandardItem* item, ConnectorData* connector)
{
    item->setData(true, DecidedRole);
    keepDecision(item->data(UuidRole).toString(), connector->state());
    if (connector->state() == ConnectorData::Rejected) {
        for (AddinConnection* link : m_ConnectorsByLink.keys(item) + m_WaitingLinks.keys(item))
            refuseRejected(link, connector->name());
        return;
    }
    if (connector->state() == ConnectorData::Accepted) {
        for (AddinConnection* link : m_WaitingLinks.keys(item)) {
            m_WaitingLinks.remove(link);
            admit(link, item);
            // What the add-in missed while it waited: where the client stands and, when it
            // asked for them, the events so far.
            link->send(AddinEvents::connectionState(m_AddinServer->state()));
            if (!link->wantsEvents())
                continue;
            tellLanguage(link);
            if (m_Session) {
                if (link->wants(AddinEvents::Calls))
                    m_Calls->replayTo(link);
                m_SessionEvents->replayTo(link);
            }
        }
    }
}

void Controller::admit(AddinConnection* connection, QStandardItem* item)
{
    m_ConnectorsByLink.insert(connection, item);
    connectorOf(item)->setConnected(true);
    connection->setAdmitted(true);
}

void Controller::onConnectorLeft(AddinConnection* connection)
{
    QStandardItem* item = m_ConnectorsByLink.take(connection);
    if (!item)
        item = m_WaitingLinks.take(connection);
    if (!item)
        return;
    // Another link of the same identity may still be up.
    const auto linked = [item](const QHash<AddinConnection*, QStandardItem*>& links) {
        return std::find(links.cbegin(), links.cend(), item) != links.cend();
    };
    if (linked(m_ConnectorsByLink) || linked(m_WaitingLinks))
        return;
    ConnectorData* const connector = connectorOf(item);
    connector->setConnected(false);
    // An add-in that leaves before the user decided waits no longer.
    if (item->data(DecidedRole).toBool())
        return;
    m_ConnectorsByUuid.remove(item->data(UuidRole).toString());
    m_AllConnectors->removeRow(item->row());
    delete connector;
}

void Controller::onAddinCommand(AddinConnection* connection, const AddinCommand& command)
{
    // A refused add-in's last lines before its link closes.
    if (!m_ConnectorsByLink.contains(connection))
        return;
    if (command.kind == AddinCommand::ShowWindow) {
        emit showClientWindowCommand();
        return;
    }
    if (command.kind == AddinCommand::ReceiveEvents) {
        tellLanguage(connection);
        if (m_Session) {
            if (connection->wants(AddinEvents::Calls))
                m_Calls->replayTo(connection);
            m_SessionEvents->replayTo(connection);
        }
        return;
    }
    if (!m_Session) {
        if (connection->mayWarn())
            KIVO_LOG(LevelWarning) << "Client API: a command of add-in " << connection->uuid()
                                   << " dropped, nobody is signed in";
        return;
    }
    switch (command.kind) {
    case AddinCommand::RequestProperties:
        connection->send(ContactReplies::properties(int(command.number), m_Calls));
        break;
    case AddinCommand::RequestPresence:
        connection->send(ContactReplies::presence(int(command.number)));
        break;
    case AddinCommand::SetPresence:
        emit setPresence(PresenceMapping::internalPresence(int(command.number)));
        // An empty text leaves the user's note as it is.
        if (!command.text.isEmpty())
            emit setFreeText(command.text);
        break;
    case AddinCommand::SetVolume:
        emit callVolumeCommand(command.flag);
        break;
    case AddinCommand::Mute:
        emit muteCallCommand(command.flag);
        m_Calls->mute(command.flag);
        break;
    case AddinCommand::Hold:
        emit holdCallCommand(command.flag);
        m_Calls->hold(command.flag);
        break;
    case AddinCommand::Answer:
        emit answerCallCommand();
        m_Calls->answer();
        break;
    case AddinCommand::Hangup:
        emit hangupCallCommand();
        m_Calls->hangup();
        break;
    case AddinCommand::Dtmf:
        emit dtmfCommand(command.character);
        break;
    case AddinCommand::StartCommunication:
        startCommunication(connection, command);
        break;
    case AddinCommand::Hello:
    case AddinCommand::ReceiveEvents:
    case AddinCommand::ShowWindow:
        break;
    }
}

void Controller::startCommunication(AddinConnection* connection, const AddinCommand& command)
{
    if (command.number == AddinCommand::CommunicationVoiceMail) {
        emit callVoicemail();
        return;
    }
    if (command.number != AddinCommand::CommunicationCall) {
        if (connection->mayWarn())
            KIVO_LOG(LevelWarning) << "Client API: an add-in asked for communication kind " << command.number
                                   << ", which the client does not start";
        return;
    }
    QStringList addresses = command.addresses;
    addresses += addressesOf(connection, command.contactIds);
    addresses.removeAll(QString());
    if (addresses.isEmpty()) {
        if (connection->mayWarn())
            KIVO_LOG(LevelWarning) << "Client API: an add-in asked for a call to nobody";
        return;
    }
    emit createCall(addresses, false);
}

} // namespace ApiProvider
} // namespace Kivo
