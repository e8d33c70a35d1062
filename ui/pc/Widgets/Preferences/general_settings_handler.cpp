#include "Widgets/Preferences/general_settings_handler.h"

#include "ui_preferences_form.h"

#include "Utils/autostart.h"
#include "Utils/desktop_entry.h"
#include "common/connect_check.h"
#include "common/constants.h"

#include <Kivo/Settings.h>

namespace Preferences {

GeneralSettingsHandler::GeneralSettingsHandler(Ui::preferencesForm* form, QObject* page)
    : QObject(page)
    , m_Form(form)
{
    CHECKED_CONNECT(this, SIGNAL(enableSave(bool)), page, SIGNAL(enableSave(bool)));
    CHECKED_CONNECT(page, SIGNAL(saveSettings()), this, SLOT(saveSettings()));

    const Kivo::Settings settings(Kivo::Settings::ApplicationSettings);
    m_Form->autoSignin->setChecked(settings.value(Constants::SettingsKey::LoginAutologin, false).toBool());
    CHECKED_CONNECT(m_Form->autoSignin, SIGNAL(stateChanged(int)), this, SLOT(changed()));
    m_Form->autoStart->setChecked(!Utils::Autostart::program().isEmpty());
    CHECKED_CONNECT(m_Form->autoStart, SIGNAL(stateChanged(int)), this, SLOT(changed()));
}

void GeneralSettingsHandler::saveSettings()
{
    Kivo::Settings(Kivo::Settings::ApplicationSettings)
        .setValue(Constants::SettingsKey::LoginAutologin, m_Form->autoSignin->isChecked());
    // Written on every save, so a moved installation names its new place.
    Utils::Autostart::setProgram(m_Form->autoStart->isChecked() ? Utils::DesktopEntry::programPath() : QString());
}

void GeneralSettingsHandler::changed()
{
    emit enableSave(true);
}

} // namespace Preferences
