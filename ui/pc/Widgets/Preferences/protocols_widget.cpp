#include "Widgets/Preferences/protocols_widget.h"

#include "Widgets/Preferences/credential_widget.h"
#include "common/connect_check.h"

#include <QVBoxLayout>

namespace Preferences {
namespace Widgets {

ProtocolsWidget::ProtocolsWidget(QWidget* parent)
    : QGroupBox(parent)
{
    new QVBoxLayout(this);
}

void ProtocolsWidget::addCredentialWidget(CredentialWidget* editor)
{
    layout()->addWidget(editor);
    CHECKED_CONNECT(editor, SIGNAL(saveCredentials(Kivo::Utils::Credentials::CredentialsData)), this,
                    SLOT(saveCredentials(Kivo::Utils::Credentials::CredentialsData)));
    CHECKED_CONNECT(editor, SIGNAL(removeAccount()), this, SLOT(removeAccount()));
}

CredentialWidget* ProtocolsWidget::credentialWidget(Kivo::Utils::Credentials::Type type) const
{
    for (int i = 0; i < layout()->count(); ++i) {
        auto* editor = qobject_cast<CredentialWidget*>(layout()->itemAt(i)->widget());
        if (editor && editor->credentialsType() == type)
            return editor;
    }
    return nullptr;
}

bool ProtocolsWidget::isEmpty() const
{
    return layout()->isEmpty();
}

void ProtocolsWidget::saveCredentials(Kivo::Utils::Credentials::CredentialsData data)
{
    if (auto* editor = qobject_cast<CredentialWidget*>(sender()))
        emit saveCredentials(editor->credentialsType(), data);
}

void ProtocolsWidget::removeAccount()
{
    if (auto* editor = qobject_cast<CredentialWidget*>(sender()))
        emit removeAccount(editor->credentialsType());
}

} // namespace Widgets
} // namespace Preferences
