#include <Kivo/Webcollab/WebcollabControllerBase.h>

namespace Kivo {
namespace Webcollab {

namespace {

// The engine's share invitation: the tag opens the text and names the kind of share.
const QString DesktopShareTag = QStringLiteral("[[telvarion-share:desktop:");

} // namespace

int WebcollabControllerBase::containsShareTags(const QString& text)
{
    return text.startsWith(DesktopShareTag) && text.endsWith(QLatin1String("]]")) ? DesktopShare : NoShare;
}

} // namespace Webcollab
} // namespace Kivo
