#pragma once

#include <QObject>

namespace Ui {
class preferencesForm;
}

namespace Preferences {

// The "Add-in Settings" group: which add-ins may connect and how their unasked connection
// requests are answered. The client-API controller reads the policy.
class AddinsHandler : public QObject
{
    Q_OBJECT

public:
    AddinsHandler(Ui::preferencesForm* form, QObject* page);

signals:
    void enableSave(bool enabled);

protected slots:
    void changed();
    void saveSettings();
    // Reads the stored policy again; the controls keep showing what they show.
    void cancelSettings();
    void allowThirdPartyChanged(bool on);
    void automaticallyAcceptIncomingChanged(bool on);
    void acceptIncomingByDefaultChanged(bool on);
    void setWidgetStates();

private:
    Ui::preferencesForm* m_Form;
    bool m_AllowAllConnectors = false;
    bool m_NoConfirmation = false;
    bool m_AcceptByDefault = false;
};

} // namespace Preferences
