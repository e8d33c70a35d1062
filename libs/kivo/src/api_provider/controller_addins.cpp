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
// The user's answer to add-ins that connect unasked (the preferences' Add-ins page).
const char* const NoConfirmationKey = "settings/api_connection_no_confirmation";
const char* const AcceptByDefaultKey = "settings/api_connection_accept_by_default";

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

// A new add-in is let in unless the user has told the client to reject, without asking,
// the add-ins that connect.
ConnectorData::State stateOfNewConnector()
{
    const Settings settings(Settings::ApplicationSettings);
    const bool rejectUnasked =
        settings.value(NoConfirmationKey, false).toBool() && !settings.value(AcceptByDefaultKey, false).toBool();
    return rejectUnasked ? ConnectorData::Rejected : ConnectorData::Accepted;
}

void refuse(AddinConnection* connection, const QString& name)
{
    KIVO_LOG(LevelInfo) << "Client API: add-in " << name << " refused, the user rejected it";
    connection->socket()->disconnectFromServer();
}

} // namespace

void Controller::startAddinServer()
{
    if (m_AddinServer)
        return;
    m_AllConnectors->setItemRoleNames({{ConnectorData::ObjectRole, "connector"}});
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
    const QString uuid = connection->uuid();
    if (QStandardItem* known = uuid.isEmpty() ? nullptr : m_ConnectorsByUuid.value(uuid)) {
        ConnectorData* const connector = connectorOf(known);
        if (connector->state() == ConnectorData::Rejected) {
            refuse(connection, connector->name());
            return;
        }
        m_ConnectorsByLink.insert(connection, known);
        connector->setConnected(true);
        return;
    }
    auto* connector = new ConnectorData(connection->helloProperty("name"), connection->helloProperty("vendor"),
                                        connection->helloProperty("description"), connection->version(),
                                        m_AllConnectors);
    connector->setState(stateOfNewConnector());
    auto* item = new QStandardItem(connector->name());
    item->setData(QVariant::fromValue<QObject*>(connector), ConnectorData::ObjectRole);
    item->setData(uuid, UuidRole);
    // Only the user changes the state from here on; a rejection cuts the add-in off at once.
    connect(connector, &ConnectorData::stateChanged, m_AllConnectors, [this, item, connector] {
        item->setData(true, DecidedRole);
        if (connector->state() != ConnectorData::Rejected)
            return;
        for (AddinConnection* link : m_ConnectorsByLink.keys(item))
            refuse(link, connector->name());
    });
    m_AllConnectors->appendRow(item);
    if (!uuid.isEmpty())
        m_ConnectorsByUuid.insert(uuid, item);
    if (connector->state() == ConnectorData::Rejected) {
        // Listed, so that the user can let it in later.
        item->setData(true, DecidedRole);
        refuse(connection, connector->name());
        return;
    }
    connector->setConnected(true);
    m_ConnectorsByLink.insert(connection, item);
}

void Controller::onConnectorLeft(AddinConnection* connection)
{
    QStandardItem* const item = m_ConnectorsByLink.take(connection);
    if (!item)
        return;
    // Another link of the same identity may still be up.
    if (std::find(m_ConnectorsByLink.cbegin(), m_ConnectorsByLink.cend(), item) != m_ConnectorsByLink.cend())
        return;
    ConnectorData* const connector = connectorOf(item);
    connector->setConnected(false);
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
