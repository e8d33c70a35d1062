#include <Kivo/Actions/ActionsProviderFactory.h>

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QMetaEnum>

namespace Kivo {
namespace Actions {

namespace {

// Configuration items that switch the service's call features on.
enum ConfigItem
{
    TestCallEnabled = 71,
    PullCallEnabled = 79,
    ParkedCallsEnabled = 80,
    CallRetrievalEnabled = 85,
    ParkedCallWithPhone = 388,
    QueuesEnabled = 427
};

} // namespace

ActionsProviderFactory::ActionsProviderFactory(Sessions::SessionManagerBase* session,
                                               Utils::SharedPointer<Contacts::Contacts> contacts, QObject* parent)
    : QObject(parent)
    , m_Session(session)
    , m_EngineContacts(contacts)
    , m_CommsSessionWatcher(new CommsSessionWatcherEnabler(this))
    , m_WebcollabEnabler(new WebcollabEnabler(this))
    , m_CallServicesEnabler(new CallServicesEnabler(this))
{
    if (Controllers::CommsSessionController* comms = session ? session->commsSessionController() : nullptr) {
        connect(comms, &Controllers::CommsSessionController::commsSessionsLimitExceeded, m_CommsSessionWatcher,
                &CommsSessionWatcherEnabler::commsSessionsLimitExceeded);
    }
}

ActionsProviderFactory::~ActionsProviderFactory() = default;

Provider* ActionsProviderFactory::createActionsProvider(QObject* parent, bool global)
{
    return new Provider(this, global, parent);
}

Sessions::SessionManagerBase* ActionsProviderFactory::session() const
{
    return m_Session;
}

bool ActionsProviderFactory::configItem(int number) const
{
    const Configuration::Config* config = m_Session ? m_Session->getConfig() : nullptr;
    return config && config->value(number).toBool();
}

bool ActionsProviderFactory::isActionAvailable(int id) const
{
    if (!m_Session)
        return true;
    const MediaEngine::CallControllerBase* calls = m_Session->callController();
    switch (id) {
    case Action::AnswerCall:
    case Action::BargeIn:
    case Action::Call:
    case Action::Conference:
    case Action::Transfer:
    case Action::EndAllCalls:
        return calls;
    case Action::VideoCall:
        return calls && calls->GetMediaHandlerVideo();
    case Action::AnswerCallFromPhone:
    case Action::CallFromPhone:
        return m_Session->supplementaryServicesController();
    case Action::RetrieveParkedCall:
        return configItem(CallRetrievalEnabled) && configItem(ParkedCallsEnabled);
    case Action::RetrieveParkedCallWithPhone:
        return configItem(ParkedCallWithPhone) && configItem(ParkedCallsEnabled);
    case Action::PullCall:
        return configItem(CallRetrievalEnabled) && configItem(PullCallEnabled);
    case Action::TestCall:
        return configItem(CallRetrievalEnabled) && configItem(TestCallEnabled);
    case Action::Queues:
        return configItem(QueuesEnabled);
    case Action::CopyGuestJoinLink:
    case Action::ResetGuestJoinLink:
        return m_Session->guestHandler() && m_Session->myroomController();
    default:
        return id != Action::None && QMetaEnum::fromType<Action::Id>().valueToKey(id);
    }
}

bool ActionsProviderFactory::isConfirmationRequired(int id) const
{
    if (id != Action::ShareDesktop || !m_Session)
        return false;
    // Starting a share touches the shares already going on.
    const Controllers::CommsSessionController* comms = m_Session->commsSessionController();
    if (!comms)
        return false;
    for (const Controllers::CommunicationSession* conversation : comms->commsList()) {
        if (conversation->webCollabActive())
            return true;
    }
    return false;
}

} // namespace Actions
} // namespace Kivo
