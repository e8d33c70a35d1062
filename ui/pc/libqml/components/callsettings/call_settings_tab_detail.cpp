#include "libqml/components/callsettings/call_settings_tab_detail.h"

#include "common/logging.h"
#include "libqml/components/callsettings/call_settings.h"

namespace QML {

CallSettingsTabDetail::CallSettingsTabDetail(CallSettings* window)
    : QObject(window)
    , m_Window(window)
{
    LOG_TRACE << "CallSettingsTabDetail instantiated with controller";
}

CallSettingsTabDetail::CallSettingsTabDetail()
{
    LOG_TRACE << "CallSettingsTabDetail instantiated _without_ controller";
}

void CallSettingsTabDetail::setTabTitle(const QString& title)
{
    if (title == m_TabTitle)
        return;
    m_TabTitle = title;
    emit tabTitleChanged();
}

void CallSettingsTabDetail::setTabType(TabType type)
{
    if (type == m_TabType)
        return;
    m_TabType = type;
    emit tabTypeChanged();
}

} // namespace QML
