#pragma once

#include <Kivo/Utils/Credentials/CredentialsData.h>
#include <Kivo/Utils/Credentials/Type.h>
#include <Kivo/Utils/Credentials/UserCredentials.h>

#include <QObject>
#include <QPointer>

namespace Kivo {
namespace Sessions {
class SessionManagerBase;
}
namespace Utils {
namespace Credentials {
class CredentialsManager;
}
} // namespace Utils
} // namespace Kivo
namespace Ui {
class preferencesForm;
}

namespace Preferences {

namespace Widgets {
class CredentialWidget;
class ProtocolsWidget;
} // namespace Widgets

// The Credentials tab: My Room's dial-in data, one editor per credentials type of the
// signed-in account, a note on where those come from and the device-management address.
// Edited credentials reach the engine at once; OK makes the store keep them.
class CredentialsHandler : public QObject
{
    Q_OBJECT

public:
    CredentialsHandler(Ui::preferencesForm* form, Kivo::Sessions::SessionManagerBase* session, QObject* page);

signals:
    void enableSave(bool enabled);
    // The changed primary set, the credential it held before and its type.
    void modifyCredentials(Kivo::Utils::Credentials::UserCredentials credentials,
                           Kivo::Utils::Credentials::CredentialsData previous, Kivo::Utils::Credentials::Type type);
    void removeCredentials(Kivo::Utils::Credentials::UserCredentials credentials);
    void updateCredentials(Kivo::Utils::Credentials::UserCredentials credentials);

protected slots:
    void saveSettings();
    void updateWidgets();
    void changed();
    void saveCredentials(Kivo::Utils::Credentials::Type type, Kivo::Utils::Credentials::CredentialsData data);
    void removeAccount(Kivo::Utils::Credentials::Type type);

private:
    Kivo::Utils::Credentials::CredentialsManager* credentialsManager() const;
    // The set of the account signed in with; false when the store has none.
    bool primaryCredentials(Kivo::Utils::Credentials::UserCredentials& credentials) const;
    Widgets::ProtocolsWidget* groupOf(Kivo::Utils::Credentials::Type type) const;
    void createEditors();
    void updateCredentialsLabel();
    bool webCollaborationOffered() const;

    Ui::preferencesForm* m_Form;
    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    // No device-management address is stored: the credentials came from the network.
    bool m_DeviceManagementUnset = false;
};

} // namespace Preferences
