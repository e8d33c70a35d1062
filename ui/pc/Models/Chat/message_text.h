#pragma once

#include <QString>

namespace Kivo {
namespace Models {
class Smileys;
}
} // namespace Kivo

namespace Models {
namespace Chat {

// A message's text as the chat page shows it: escaped, web links and mail addresses made
// links (live only where their scheme may open), emoticons as pictures, line breaks kept.
// Nothing of the text itself is ever markup.
QString messageTextToHtml(const QString& text, const Kivo::Models::Smileys& smileys, bool linksEnabled);

} // namespace Chat
} // namespace Models
