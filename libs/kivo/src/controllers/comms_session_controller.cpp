#include <Kivo/Controllers/CommsSessionController.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Controllers {

using Tesk::Core::Logging::LevelInfo;

void CommsSessionController::createCall(const QStringList& addresses, bool video)
{
    KIVO_LOG(LevelInfo) << "Call requested to " << addresses.join(", ") << (video ? " with video" : "");
}

void CommsSessionController::createChat(const QStringList& addresses)
{
    KIVO_LOG(LevelInfo) << "Chat requested with " << addresses.join(", ");
}

void CommsSessionController::createMyRoomSession(const QString& call, const QString& chat, const QString& webcollab)
{
    KIVO_LOG(LevelInfo) << "My Room session requested: " << call << ", " << chat << ", " << webcollab;
}

void CommsSessionController::createWebCollabSession(const QStringList& addresses)
{
    KIVO_LOG(LevelInfo) << "Web collaboration requested with " << addresses.join(", ");
}

void CommsSessionController::handleActivateSessionOfCall(const MediaEngine::Call& call)
{
    KIVO_LOG(LevelInfo) << "Activation of call " << call.callId() << " requested";
}

} // namespace Controllers
} // namespace Kivo
