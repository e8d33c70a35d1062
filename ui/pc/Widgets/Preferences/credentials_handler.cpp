#include "Widgets/Preferences/credentials_handler.h"

#include "ui_preferences_form.h"

#include "Dialogs/message_window.h"
#include "Widgets/Preferences/credential_widget.h"
#include "Widgets/Preferences/protocols_widget.h"
#include "common/config_flag.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>

#include <QLineEdit>

namespace Preferences {

namespace {

namespace Key = Constants::SettingsKey;
namespace Credentials = Kivo::Utils::Credentials;

using Credentials::CredentialsData;
using Credentials::Type;
using Credentials::UserCredentials;
using Widgets::CredentialWidget;
using Widgets::ProtocolsWidget;

enum ConfigItem
{
    MyRoomHidden = 61,
    MyRoomFixed = 68,
    WebCollaborationEditable = 295,
    WebCollaborationOff = 296,
    WebCollaborationCredentialsFixed = 300
};

// The My Room fields with their keys.
QList<QPair<QLineEdit*, const char*>> myRoomFields(const Ui::preferencesForm& form)
{
    return {{form.textDialInNumber, Key::SecurityMyRoomDialInNumber},
            {form.textHostPin, Key::SecurityMyRoomHostPin},
            {form.textPin1, Key::SecurityMyRoomPin1},
            {form.textPin2, Key::SecurityMyRoomPin2}};
}

} // namespace

CredentialsHandler::CredentialsHandler(Ui::preferencesForm* form, Kivo::Sessions::SessionManagerBase* session,
                                       QObject* page)
    : QObject(page)
    , m_Form(form)
    , m_Session(session)
{
    m_DeviceManagementUnset =
        Kivo::Settings(Kivo::Settings::DefaultSettings).value(Key::DeviceManagementUrl).toByteArray().isEmpty();
    m_Form->groupDeviceManagement->setVisible(m_DeviceManagementUnset);
    m_Form->textDMUrl->setText(
        Kivo::Settings(Kivo::Settings::ApplicationSettings).value(Key::DefaultsDmConfigFile).toString());
    m_Form->textDMUrl->setCursorPosition(0);

    CHECKED_CONNECT(this, SIGNAL(enableSave(bool)), page, SIGNAL(enableSave(bool)));
    CHECKED_CONNECT(page, SIGNAL(saveSettings()), this, SLOT(saveSettings()));
    if (Credentials::CredentialsManager* store = credentialsManager()) {
        connect(this, &CredentialsHandler::modifyCredentials, store,
                [store](const UserCredentials& credentials) { store->addCredentials(credentials); });
        connect(this, &CredentialsHandler::removeCredentials, store,
                [store](const UserCredentials& credentials) { store->removeCredentials(credentials); });
        connect(this, &CredentialsHandler::updateCredentials, store, &Credentials::CredentialsManager::updateCredentials);
    }
    QList<ProtocolsWidget*> groups{m_Form->ldap, m_Form->protocols};
    if (webCollaborationOffered())
        groups.prepend(m_Form->webCollab);
    for (ProtocolsWidget* group : qAsConst(groups)) {
        CHECKED_CONNECT(group,
                        SIGNAL(saveCredentials(Kivo::Utils::Credentials::Type, Kivo::Utils::Credentials::CredentialsData)),
                        this, SLOT(saveCredentials(Kivo::Utils::Credentials::Type, Kivo::Utils::Credentials::CredentialsData)));
        CHECKED_CONNECT(group, SIGNAL(removeAccount(Kivo::Utils::Credentials::Type)), this,
                        SLOT(removeAccount(Kivo::Utils::Credentials::Type)));
    }
    m_Form->webCollab->hide();
    m_Form->ldap->hide();
    createEditors();

    const bool fixed = Common::configFlag(session->getConfig(), MyRoomFixed);
    const Kivo::Settings settings(Kivo::Settings::UserSettings);
    for (const auto& field : myRoomFields(*m_Form)) {
        field.first->setText(settings.value(field.second).toString());
        field.first->setReadOnly(fixed);
    }

    updateWidgets();
    updateCredentialsLabel();
    if (!session->myroomController() || Common::configFlag(session->getConfig(), MyRoomHidden))
        m_Form->myRoomConfigBox->hide();
}

Credentials::CredentialsManager* CredentialsHandler::credentialsManager() const
{
    return m_Session ? m_Session->credentialsStore() : nullptr;
}

bool CredentialsHandler::webCollaborationOffered() const
{
    const Kivo::Configuration::Config* config = m_Session ? m_Session->getConfig() : nullptr;
    return !Common::configFlag(config, WebCollaborationCredentialsFixed) && !Common::configFlag(config, WebCollaborationOff);
}

ProtocolsWidget* CredentialsHandler::groupOf(Type type) const
{
    switch (type) {
    case Credentials::WebCollaboration:
        return m_Form->webCollab;
    case Credentials::Directory:
        return m_Form->ldap;
    default:
        return m_Form->protocols;
    }
}

void CredentialsHandler::createEditors()
{
    const Credentials::CredentialsManager* store = credentialsManager();
    const QList<int> types = store ? store->availableTypes() : QList<int>();
    for (const int value : types) {
        const auto type = static_cast<Type>(value);
        bool used = true;
        if (type == Credentials::WebCollaboration)
            used = webCollaborationOffered();
        else if (type != Credentials::Directory)
            used = m_DeviceManagementUnset;
        // An editor that has no place goes at once, whatever its type.
        if (!used)
            continue;
        auto* editor = new CredentialWidget(type, nullptr);
        CHECKED_CONNECT(editor, SIGNAL(changed()), this, SLOT(changed()));
        ProtocolsWidget* group = groupOf(type);
        if (group != m_Form->protocols)
            group->show();
        group->addCredentialWidget(editor);
        QWidget::setTabOrder(editor->lastFocusWidget(), m_Form->textDMUrl);
    }
    if (m_Form->protocols->isEmpty())
        m_Form->protocols->hide();
}

bool CredentialsHandler::primaryCredentials(UserCredentials& credentials) const
{
    const Credentials::CredentialsManager* store = credentialsManager();
    return store
        && store->getCredentials(store->loginType(), Kivo::Settings::getLoginUsername(store, true), credentials);
}

void CredentialsHandler::updateWidgets()
{
    const Credentials::CredentialsManager* store = credentialsManager();
    if (!store)
        return;
    UserCredentials primary;
    const bool found = store->getCredentials(store->loginType(), store->getLoginUsername(), primary);
    if (found) {
        for (ProtocolsWidget* group : {m_Form->webCollab, m_Form->ldap, m_Form->protocols})
            group->setEnabled(true);
    }
    for (const int value : store->availableTypes()) {
        const auto type = static_cast<Type>(value);
        CredentialWidget* editor = groupOf(type)->credentialWidget(type);
        if (!editor)
            continue;
        if (!found) {
            editor->hide();
            continue;
        }
        const CredentialsData data = primary.getData(type);
        editor->show();
        editor->setUsername(data.getDisplayname());
        editor->setPassword(data.getPassword());
        editor->setButtonsHidden(true);
    }
}

void CredentialsHandler::updateCredentialsLabel()
{
    if (m_DeviceManagementUnset) {
        QString note = tr("The credentials below are downloaded from the network, they cannot be modified here.");
        const Kivo::Configuration::Config* config = m_Session ? m_Session->getConfig() : nullptr;
        if (Common::configFlag(config, WebCollaborationEditable) && webCollaborationOffered())
            note += tr(" Web Collaboration credentials can be edited above.");
        m_Form->credentialsLabel->setText(note);
    }
    if (m_Form->credentialsLabel->text().isEmpty())
        m_Form->credentialsLabel->hide();
}

void CredentialsHandler::saveCredentials(Type type, CredentialsData data)
{
    if (!m_Session) {
        LOG_ERROR << "m_Session" << " failed. Returning from failed assertion";
        return;
    }
    UserCredentials primary;
    if (!primaryCredentials(primary))
        return;
    const CredentialsData previous = primary.getData(type);
    primary.setData(type, data);
    emit modifyCredentials(primary, previous, type);
}

void CredentialsHandler::removeAccount(Type type)
{
    const Credentials::CredentialsManager* store = credentialsManager();
    if (!store)
        return;
    if (type == store->loginType()) {
        const int answer = Dialogs::MessageWindow::warning(
            tr("Remove Account"), tr("Primary account removal will lead to removal of all accounts. Do you want to proceed?"),
            false, QDialogButtonBox::Yes | QDialogButtonBox::No);
        UserCredentials primary;
        // The store may have gone while the question was open.
        if (answer != 1 || !primaryCredentials(primary))
            return;
        credentialsManager()->removeCredentials(primary);
    } else {
        UserCredentials primary;
        if (!primaryCredentials(primary))
            return;
        primary.removeData(type);
        emit updateCredentials(primary);
    }
    updateWidgets();
    changed();
}

void CredentialsHandler::saveSettings()
{
    if (Credentials::CredentialsManager* store = credentialsManager()) {
        store->save();
        UserCredentials primary;
        if (!primaryCredentials(primary)) {
            Kivo::Settings::setLoginUsername(store, QString());
            Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Key::LoginAutologin, false);
        }
    }
    Kivo::Settings settings(Kivo::Settings::UserSettings);
    for (const auto& field : myRoomFields(*m_Form))
        settings.setValue(field.second, field.first->text());
}

void CredentialsHandler::changed()
{
    emit enableSave(true);
}

} // namespace Preferences
