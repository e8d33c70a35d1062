#include "Utils/actions_helper.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Controllers/CommunicationSession.h>

#include <QCoreApplication>

namespace Utils {

namespace {

struct ActionTexts
{
    int id;
    const char* plain;
    const char* add;
    const char* active;
};

const ActionTexts Texts[] = {
    {1, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Answer Call"), nullptr, nullptr},
    {2, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Answer Call from Phone"), nullptr, nullptr},
    {3, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Chat"), QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Add Chat"),
     QT_TRANSLATE_NOOP("Utils::ActionsHelper", "End Chat")},
    {4, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Call"), QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Add Call"),
     QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Hang Up")},
    {5, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Call from Phone"), nullptr,
     QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Hang Up")},
    {6, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Video Call"), QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Add Video"),
     QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Remove Video")},
    {7, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Share Desktop"), nullptr,
     QT_TRANSLATE_NOOP("Utils::ActionsHelper", "End Share")},
    {8, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Join Room"), nullptr, nullptr},
    {9, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Join Hangout"), nullptr, nullptr},
    {11, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Email"), nullptr, nullptr},
    {12, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Copy Phone Number"), nullptr, nullptr},
    {13, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Set as Favorite"), nullptr, nullptr},
    {14, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Remove from Favorites"), nullptr, nullptr},
    {15, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "View Profile"), nullptr, nullptr},
    {16, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Edit Profile"), nullptr, nullptr},
    {17, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Add Contact"), nullptr, nullptr},
    {18, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Subscribe"), nullptr, nullptr},
    {19, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Unsubscribe"), nullptr, nullptr},
    {20, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Delete Contact"), nullptr, nullptr},
    {26, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "End All Calls"), nullptr, nullptr},
    {27, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "End All Chats"), nullptr, nullptr},
    {28, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Conference"), nullptr, nullptr},
    {29, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Transfer"), nullptr, nullptr},
};

QString translated(const char* text)
{
    return QCoreApplication::translate("Utils::ActionsHelper", text);
}

} // namespace

QString ActionsHelper::actionText(int id, Kivo::Actions::Provider* provider, bool add)
{
    for (const ActionTexts& texts : Texts) {
        if (texts.id != id)
            continue;
        if (texts.active && isActiveInSource(id, provider))
            return translated(texts.active);
        if (add && texts.add)
            return translated(texts.add);
        return translated(texts.plain);
    }
    return QString();
}

bool ActionsHelper::isActiveInSource(int id, const Kivo::Actions::Provider* provider)
{
    if (!provider)
        return false;
    return isActiveInSession(id, provider->getActionSource());
}

bool ActionsHelper::isActiveInSession(int id, const QObject* object)
{
    const auto* session = qobject_cast<const Kivo::Controllers::CommunicationSession*>(object);
    if (!session)
        return false;
    switch (id) {
    case Kivo::Actions::Action::Chat:
        return session->chatActive();
    case Kivo::Actions::Action::ShareDesktop:
        return session->webCollabActive();
    case Kivo::Actions::Action::Call:
        return session->callActive();
    case Kivo::Actions::Action::CallFromPhone:
        return session->vyxCallActive();
    case Kivo::Actions::Action::VideoCall:
        return session->callActive() && session->getCall()->isVideoCall();
    default:
        return false;
    }
}

} // namespace Utils
