#include <Kivo/Outlook/OutlookIntegration.h>

#include <Kivo/Settings.h>

namespace Kivo {
namespace Outlook {

OutlookIntegration::OutlookIntegration(const QString& settingsKey, QObject* parent)
    : QObject(parent), m_Key(settingsKey)
{
    preferencesChanged();
}

void OutlookIntegration::preferencesChanged()
{
    const bool enabled = Settings(Settings::UserSettings).value(m_Key, false).toBool();
    if (enabled == m_Enabled)
        return;
    m_Enabled = enabled;
    emit enabledChanged(enabled);
}

void OutlookIntegration::outlookQueryResponse(bool accepted)
{
    store(accepted);
}

void OutlookIntegration::outlookCalendarChecked(bool accepted)
{
    store(accepted);
}

void OutlookIntegration::store(bool accepted)
{
    Settings(Settings::UserSettings).setValue(m_Key, accepted);
    preferencesChanged();
}

} // namespace Outlook
} // namespace Kivo
