#include <Kivo/Contacts/BlfController.h>

#include <Kivo/Configuration/Config.h>
#include <Kivo/Sessions/SubSession.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Contacts {

using Tesk::Core::Logging::LevelInfo;

BlfController::BlfController(const Configuration::Config* config, const Sessions::SubSession* callConnection,
                             QObject* parent)
    : QObject(parent)
    , m_Enabled(config && config->value(EnabledItem).toBool())
{
    if (m_Enabled && callConnection) {
        connect(callConnection, &Sessions::SubSession::stateChanged, this,
                [this](const Sessions::SubSession*, Sessions::SubSession::State state) { onCallConnectionState(state); });
    }
}

void BlfController::onCallConnectionState(int state)
{
    if (m_Ready || state != Sessions::SubSession::Connected)
        return;
    m_Ready = true;
    KIVO_LOG(LevelInfo) << "Busy lamp field ready";
    emit blfControllerReady();
}

} // namespace Contacts
} // namespace Kivo
