#pragma once

#include <Kivo/Utils/Credentials/CredentialsData.h>
#include <Kivo/Utils/Credentials/Type.h>

#include <QGroupBox>

namespace Preferences {
namespace Widgets {

class CredentialWidget;

// A group of credential editors, one per credentials type; it passes their requests on
// with the editor's type attached.
class ProtocolsWidget : public QGroupBox
{
    Q_OBJECT

public:
    explicit ProtocolsWidget(QWidget* parent);

    // Takes the editor into the group.
    void addCredentialWidget(CredentialWidget* editor);
    // The group's first editor of the type, or null.
    CredentialWidget* credentialWidget(Kivo::Utils::Credentials::Type type) const;
    // True when no editor of the group is shown.
    bool isEmpty() const;

signals:
    void saveCredentials(Kivo::Utils::Credentials::Type type, Kivo::Utils::Credentials::CredentialsData data);
    void removeAccount(Kivo::Utils::Credentials::Type type);

protected slots:
    void saveCredentials(Kivo::Utils::Credentials::CredentialsData data);
    void removeAccount();
};

} // namespace Widgets
} // namespace Preferences
