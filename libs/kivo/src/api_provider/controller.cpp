#include <Kivo/ApiProvider/Controller.h>

#include <Kivo/ApiProvider/ConnectorData.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include "../kivo_log.h"
#include "pending_connectors.h"

#include <QStandardItemModel>

namespace Kivo {
namespace ApiProvider {

using Tesk::Core::Logging::LevelDebug;

namespace {

QStandardItemModel* connectorList(QObject* parent)
{
    auto* list = new QStandardItemModel(parent);
    // Named before any view or proxy asks the list for its roles.
    list->setItemRoleNames({{ConnectorData::ObjectRole, "connector"}});
    return list;
}

} // namespace

Controller::Controller(QObject* parent)
    : QObject(parent)
    , m_AllConnectors(connectorList(this))
    , m_NewConnectors(new PendingConnectors(m_AllConnectors, this))
{
}

Controller::~Controller() = default;

void Controller::InitializeController()
{
    m_Initialized = true;
    startAddinServer();
}

bool Controller::Initialize(Utils::SharedPointer<Contacts::Contacts> contacts, Sessions::SessionManagerBase* session,
                            const Configuration::Config*)
{
    if (!m_Initialized || !session || !contacts) {
        KIVO_LOG(LevelDebug) << "Client API controller has no session to serve";
        return false;
    }
    m_Session = session;
    serveSession(true);
    return true;
}

void Controller::Uninitialize()
{
    serveSession(false);
    m_Session = nullptr;
}

Sessions::SessionManagerBase* Controller::session() const
{
    return m_Session;
}

QAbstractItemModel* Controller::getModel(ConnectorModelType type) const
{
    return type == AllConnectors ? static_cast<QAbstractItemModel*>(m_AllConnectors) : m_NewConnectors;
}

void Controller::preferencesChanged()
{
    KIVO_LOG(LevelDebug) << "Client API controller re-reads the add-in policy";
}

void Controller::languageChanged()
{
    KIVO_LOG(LevelDebug) << "Client API controller tells the add-ins the new language";
    tellLanguage(nullptr);
}

void Controller::clearLogs()
{
    KIVO_LOG(LevelDebug) << "Client API controller clears the add-ins' logs";
    tellClearLogs();
}

} // namespace ApiProvider
} // namespace Kivo
