#include <Kivo/Client.h>
#include <Kivo/ConfigContainer.h>
#include <Kivo/Simulation/CommandServer.h>
#include <Kivo/Simulation/CommandSocket.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>
#include <Kivo/Utils/Credentials/UserCredentials.h>

#include "../kivo_log.h"

#include <Tesk/Crypto/Blowfish.h>

#include <QAction>

namespace Kivo {

using Tesk::Core::Logging::LevelError;
using Tesk::Core::Logging::LevelInfo;

Client::Client(QAction* signOutAction, QAction* exitAction, const QString& programFolder, QObject* parent)
    : QObject(parent)
    , m_ProgramFolder(programFolder)
    , m_Credentials(new Utils::Credentials::CredentialsManager(this))
    , m_UserCredentials(std::make_unique<Utils::Credentials::UserCredentials>())
{
    if (signOutAction)
        connect(signOutAction, &QAction::triggered, this, &Client::onSignOut);
    connectService();
    if (exitAction)
        connect(exitAction, &QAction::triggered, this, &Client::onExit);
}

Client::~Client() = default;

bool Client::Initialize(ConfigContainer* container, const QString& credentialsFile, Tesk::Crypto::Blowfish* decryptor)
{
    if (!container || !decryptor || !decryptor->isInitialized()) {
        KIVO_LOG(LevelError) << "The client needs a configuration container and a keyed decryptor";
        return false;
    }
    m_Container = container;
    m_Decryptor = decryptor;
    m_CredentialsFile = credentialsFile;
    // An unreadable file only costs the remembered users; it is logged and set aside.
    m_Credentials->load(credentialsFile);
    container->setDecryptor(decryptor);
    container->reloadConfigFiles();
    KIVO_LOG(LevelInfo) << "Client initialised with " << container->configNames().size() << " configurations";
    m_Initialized = true;
    // The simulated service takes commands from this client's user while the client runs.
    if (!m_Commands) {
        m_Commands = new Simulation::CommandServer(Simulation::Service::shared(), this);
        m_Commands->listen(Simulation::CommandSocket::defaultName());
    }
    return true;
}

ConfigContainer* Client::getConfigContainer() const
{
    return m_Container;
}

const Configuration::Config* Client::getConfig() const
{
    return m_Container ? m_Container->currentConfig() : nullptr;
}

void Client::maybeQuit()
{
    if (!m_SignedIn)
        emit quit();
}

void Client::onExit()
{
    // With a session the program ends once the session has closed.
    m_QuitAfterSignOut = true;
    if (!m_SignedIn)
        emit quit();
    else
        onSignOut();
}

} // namespace Kivo
