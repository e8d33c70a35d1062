#pragma once

#include <QString>

namespace Kivo {
namespace Webcollab {

// What every share service has in common.
class WebcollabControllerBase
{
public:
    enum ShareType
    {
        NoShare = 0,
        DesktopShare = 1
    };

    // A chat text that carries a share's control tags (an invitation the engine sends
    // through the chat) answers its share type; plain text answers NoShare.
    static int containsShareTags(const QString& text);
};

} // namespace Webcollab
} // namespace Kivo
