#pragma once

#include <QObject>
#include <QString>

namespace Kivo {
namespace Outlook {

// Use of the local Outlook installation for one feature (contact search or calendar
// presence). The user's consent lives in a user setting; the feature runs only with it.
class OutlookIntegration : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* ContactSearchKey = "settings/outlook_search_enabled";
    static constexpr const char* CalendarKey = "settings/outlook_calendar_enabled";

    OutlookIntegration(const QString& settingsKey, QObject* parent = nullptr);

    bool isEnabled() const { return m_Enabled; }

public slots:
    void preferencesChanged();
    // The user's answer to the first-run question.
    void outlookQueryResponse(bool accepted);
    // The user's answer once Outlook was found.
    void outlookCalendarChecked(bool accepted);

signals:
    void enabledChanged(bool enabled);

private:
    void store(bool accepted);

    QString m_Key;
    bool m_Enabled = false;
};

} // namespace Outlook
} // namespace Kivo
