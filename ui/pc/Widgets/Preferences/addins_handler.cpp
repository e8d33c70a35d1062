#include "Widgets/Preferences/addins_handler.h"

#include "ui_preferences_form.h"

#include "common/connect_check.h"
#include "common/constants.h"

#include <Kivo/Settings.h>

namespace Preferences {

namespace {

namespace Key = Constants::SettingsKey;

constexpr const char* AllConnectors = "all";
constexpr const char* FirstPartyConnectors = "first-party";

} // namespace

AddinsHandler::AddinsHandler(Ui::preferencesForm* form, QObject* page)
    : QObject(page)
    , m_Form(form)
{
    cancelSettings();
    setWidgetStates();
    // Connected once set: loading is no edit.
    CHECKED_CONNECT(this, SIGNAL(enableSave(bool)), page, SIGNAL(enableSave(bool)));
    CHECKED_CONNECT(page, SIGNAL(saveSettings()), this, SLOT(saveSettings()));
    CHECKED_CONNECT(page, SIGNAL(cancelSettings()), this, SLOT(cancelSettings()));
    CHECKED_CONNECT(m_Form->enableAPIProvider, SIGNAL(toggled(bool)), this, SLOT(allowThirdPartyChanged(bool)));
    CHECKED_CONNECT(m_Form->apiAccessConfirmation, SIGNAL(toggled(bool)), this,
                    SLOT(automaticallyAcceptIncomingChanged(bool)));
    // The reject button is the accept button's exclusive partner: its toggle carries both.
    CHECKED_CONNECT(m_Form->apiAcceptByDefault, SIGNAL(toggled(bool)), this, SLOT(acceptIncomingByDefaultChanged(bool)));
}

void AddinsHandler::cancelSettings()
{
    const Kivo::Settings settings(Kivo::Settings::ApplicationSettings);
    // Only the exact word opens the client to every add-in.
    m_AllowAllConnectors = settings.value(Key::ApiProviderAllowConnectors).toString() == AllConnectors;
    m_NoConfirmation = settings.value(Key::ApiConnectionNoConfirmation, false).toBool();
    m_AcceptByDefault = settings.value(Key::ApiConnectionAcceptByDefault, false).toBool();
}

void AddinsHandler::setWidgetStates()
{
    m_Form->enableAPIProvider->setChecked(m_AllowAllConnectors);
    m_Form->apiAccessConfirmation->setChecked(m_NoConfirmation);
    m_Form->apiAcceptByDefault->setChecked(m_AcceptByDefault);
    m_Form->apiRejectByDefault->setChecked(!m_AcceptByDefault);
    m_Form->apiAcceptByDefault->setEnabled(m_NoConfirmation);
    m_Form->apiRejectByDefault->setEnabled(m_NoConfirmation);
}

void AddinsHandler::saveSettings()
{
    Kivo::Settings settings(Kivo::Settings::ApplicationSettings);
    settings.setValue(Key::ApiProviderAllowConnectors, m_AllowAllConnectors ? AllConnectors : FirstPartyConnectors);
    settings.setValue(Key::ApiConnectionNoConfirmation, m_NoConfirmation);
    settings.setValue(Key::ApiConnectionAcceptByDefault, m_AcceptByDefault);
}

void AddinsHandler::allowThirdPartyChanged(bool on)
{
    if (on == m_AllowAllConnectors)
        return;
    m_AllowAllConnectors = on;
    changed();
}

void AddinsHandler::automaticallyAcceptIncomingChanged(bool on)
{
    if (on == m_NoConfirmation)
        return;
    m_NoConfirmation = on;
    m_Form->apiAcceptByDefault->setEnabled(on);
    m_Form->apiRejectByDefault->setEnabled(on);
    changed();
}

void AddinsHandler::acceptIncomingByDefaultChanged(bool on)
{
    if (on == m_AcceptByDefault)
        return;
    m_AcceptByDefault = on;
    changed();
}

void AddinsHandler::changed()
{
    emit enableSave(true);
}

} // namespace Preferences
