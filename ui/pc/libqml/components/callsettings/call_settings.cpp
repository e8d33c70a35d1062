#include "libqml/components/callsettings/call_settings.h"

#include <Kivo/Sessions/SessionManagerBase.h>

namespace QML {

CallSettings::CallSettings(Kivo::Sessions::SessionManagerBase* session, QObject*, QWidget* parent)
    : Window(false, parent)
    , m_Session(session)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace QML
