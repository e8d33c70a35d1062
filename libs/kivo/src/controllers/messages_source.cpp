#include <Kivo/Controllers/MessagesSource.h>

#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Controllers {

using Tesk::Core::Logging::LevelInfo;

MessagesSource::MessagesSource(QObject* parent)
    : QObject(parent)
{
    connect(&Simulation::Service::shared(), &Simulation::Service::messagesWaiting, this,
            &MessagesSource::onMessagesWaiting);
}

void MessagesSource::onMessagesWaiting(int voice, int video)
{
    KIVO_LOG(LevelInfo) << "Waiting messages: " << voice << " voice, " << video << " video";
    emit messages(voice, video);
}

} // namespace Controllers
} // namespace Kivo
