#include "Widgets/Preferences/logging_handler.h"

#include "ui_preferences_form.h"

#include "application.h"
#include "common/connect_check.h"
#include "common/constants.h"

#include <Kivo/Settings.h>

#include <QCoreApplication>

#include <utility>

namespace Preferences {

namespace {

namespace Key = Constants::SettingsKey;

} // namespace

LoggingHandler::LoggingHandler(Ui::preferencesForm* form, QObject* page)
    : QObject(page)
    , m_Form(form)
{
    CHECKED_CONNECT(this, SIGNAL(enableSave(bool)), page, SIGNAL(enableSave(bool)));
    CHECKED_CONNECT(page, SIGNAL(saveSettings()), this, SLOT(saveSettings()));

    const Kivo::Settings settings(Kivo::Settings::ApplicationSettings);
    m_BasicLoggingOn = settings.value(Key::LoggingEnabled, false).toBool()
        || settings.value(Key::XmppLoggingEnabled, false).toBool();
    m_Form->enableBasicLogging->setChecked(m_BasicLoggingOn);
    CHECKED_CONNECT(m_Form->enableBasicLogging, SIGNAL(stateChanged(int)), this, SLOT(changed()));
    m_AdvancedLoggingOn = settings.value(Key::AdvancedLoggingEnabled, false).toBool();
    m_Form->enableAdvancedLogging->setChecked(m_AdvancedLoggingOn);
    CHECKED_CONNECT(m_Form->enableAdvancedLogging, SIGNAL(stateChanged(int)), this, SLOT(changed()));

    CHECKED_CONNECT(m_Form->clearLogs, SIGNAL(clicked()), this, SIGNAL(clearLogs()));
    CHECKED_CONNECT(m_Form->openLogFolder, SIGNAL(clicked()), this, SIGNAL(openLogFolder()));
    if (auto* application = qobject_cast<Application*>(QCoreApplication::instance())) {
        CHECKED_CONNECT(this, SIGNAL(enableBasicLogging(bool)), application, SLOT(enableBasicLogging(bool)));
        CHECKED_CONNECT(this, SIGNAL(enableAdvancedLogging(bool)), application, SLOT(enableAdvancedLogging(bool)));
        CHECKED_CONNECT(this, SIGNAL(clearLogs()), application, SLOT(deleteLogFiles()));
        CHECKED_CONNECT(this, SIGNAL(openLogFolder()), application, SLOT(openLogFolder()));
    }
}

void LoggingHandler::changed()
{
    QCheckBox* basic = m_Form->enableBasicLogging;
    QCheckBox* advanced = m_Form->enableAdvancedLogging;
    if (!basic->isChecked() && advanced->isChecked()) {
        if (sender() == basic)
            advanced->setChecked(false);
        else if (sender() == advanced)
            basic->setChecked(true);
    }
    emit enableSave(true);
}

void LoggingHandler::saveSettings()
{
    Kivo::Settings settings(Kivo::Settings::ApplicationSettings);
    const bool basic = m_Form->enableBasicLogging->isChecked();
    settings.setValue(Key::LoggingEnabled, basic);
    settings.setValue(Key::XmppLoggingEnabled, basic);
    // The application reads the stored switch: it hears of it once it is written.
    if (basic != m_BasicLoggingOn) {
        m_BasicLoggingOn = basic;
        emit enableBasicLogging(basic);
    }
    const bool advanced = m_Form->enableAdvancedLogging->isChecked();
    settings.setValue(Key::AdvancedLoggingEnabled, advanced);
    if (advanced != m_AdvancedLoggingOn) {
        m_AdvancedLoggingOn = advanced;
        emit enableAdvancedLogging(advanced);
    }
}

BlfHandler::BlfHandler(Ui::preferencesForm* form, QObject* page)
    : QObject(page)
    , m_Form(form)
{
    loadSettings();
}

namespace {

// Each switch of the team-telephony window with its box; every one is on until turned off.
QList<std::pair<QCheckBox*, const char*>> teamTelephonySwitches(const Ui::preferencesForm& form)
{
    return {{form.showTeamTelephonyWindow, Key::ShowTeamTelephonyWindow},
            {form.teamTelephonyWindowAlwaysOnTop, Key::TeamTelephonyWindowAlwaysOnTop},
            {form.openTeamTelephonyWindowWhenLineRings, Key::OpenTeamTelephonyWindowWhenLineRings},
            {form.bringTeamTelephonyWindowToFrontWhenRings, Key::BringTeamTelephonyWindowToFrontWhenRings},
            {form.closeTeamTelephonyWindow, Key::CloseTeamTelephonyWindow},
            {form.playTeamTelephonyAlert, Key::PlayTeamTelephonyAlert}};
}

} // namespace

void BlfHandler::loadSettings()
{
    const Kivo::Settings settings(Kivo::Settings::UserSettings);
    for (const auto& entry : teamTelephonySwitches(*m_Form))
        entry.first->setChecked(settings.value(entry.second, true).toBool());
}

void BlfHandler::saveSettings()
{
    Kivo::Settings settings(Kivo::Settings::UserSettings);
    for (const auto& entry : teamTelephonySwitches(*m_Form))
        settings.setValue(entry.second, entry.first->isChecked());
}

} // namespace Preferences
