#include "Widgets/Preferences/confirmations_handler.h"

#include "ui_preferences_form.h"

#include "Utils/desktop_entry.h"
#include "Utils/registry.h"
#include "Utils/url_protocol.h"
#include "common/config_flag.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>

namespace Preferences {

namespace {

namespace Key = Constants::SettingsKey;
namespace Item = Constants::ConfigItem;

namespace ProxyType = Constants::ProxyType;

enum ConfigItem
{
    CallToHandlerOffered = 387,
    DefaultRingDeviceOffered = 388,
    DirectorySearch = 181
};

constexpr const char* CallToKey = "HKEY_CLASSES_ROOT\\callto";
constexpr const char* CallToCommandKey = "HKEY_CLASSES_ROOT\\callto\\shell\\open\\command";
constexpr const char* CallToScheme = "callto";
constexpr const char* DefaultValue = "Default";
// The registry's "safe to open from a link" flag of a URL protocol.
constexpr const char* EditFlags = "2";
constexpr const char* DefaultHttpPort = "80";
constexpr const char* DefaultHttpsPort = "443";

// The text of the default ringing device's check box, empty for a value that names none.
QString ringDeviceText(const QString& device)
{
    const QString upper = device.toUpper();
    if (upper == "PC")
        return ConfirmationsHandler::tr("Use PC Client as default ringing device");
    if (upper == "MOBILE")
        return ConfirmationsHandler::tr("Use Mobile as default ringing device");
    if (upper == "DESKPHONE")
        return ConfirmationsHandler::tr("Use Deskphone as default ringing device");
    if (upper == "ALL")
        return ConfirmationsHandler::tr("Ring all devices");
    return QString();
}

} // namespace

ConfirmationsHandler::ConfirmationsHandler(Ui::preferencesForm* form, Kivo::Sessions::SessionManagerBase* session,
                                           QObject* page)
    : QObject(page)
    , m_Form(form)
    , m_Session(session)
{
    CHECKED_CONNECT(this, SIGNAL(enableSave(bool)), page, SIGNAL(enableSave(bool)));
    CHECKED_CONNECT(page, SIGNAL(saveSettings()), this, SLOT(saveSettings()));

    const Kivo::Settings settings(Kivo::Settings::UserSettings);
    setupProxyWidgets();
    if (session) {
        setupConfirmationWidgets(settings);
        setupMiscellaneousWidgets(settings);
    }
}

QString ConfirmationsHandler::callToCommand()
{
    return QStringLiteral("\"%1\" --%l").arg(Utils::DesktopEntry::programPath());
}

bool ConfirmationsHandler::isCallToRegistered()
{
    return Utils::Registry(CallToCommandKey).value(DefaultValue) == callToCommand();
}

void ConfirmationsHandler::registerCallTo(bool doRegister)
{
    const QString program = Utils::DesktopEntry::programPath();
    if (!doRegister) {
        if (!isCallToRegistered())
            return;
        Utils::Registry(CallToKey).remove();
        Utils::UrlProtocol::writeSchemeHandlerEntry(false, QString(), CallToScheme, program);
        return;
    }
    Utils::Registry scheme(CallToKey);
    scheme.setValue(DefaultValue, "URL:Callto Protocol");
    scheme.setValue("EditFlags", EditFlags);
    scheme.setValue("URL Protocol", QString());
    Utils::Registry(CallToCommandKey).setValue(DefaultValue, callToCommand());
    Utils::UrlProtocol::writeSchemeHandlerEntry(true, QCoreApplication::applicationName(), CallToScheme, program);
}

void ConfirmationsHandler::setupProxyWidgets()
{
    CHECKED_CONNECT(m_Form->qomxProxy, SIGNAL(toggled(bool)), this, SLOT(qomxProxyToggled(bool)));
}

void ConfirmationsHandler::loadConfirmation(const Kivo::Settings& settings, const Confirmation& confirmation)
{
    const bool stored = settings.value(confirmation.key, !confirmation.inverted).toBool();
    confirmation.box->setChecked(stored != confirmation.inverted);
    CHECKED_CONNECT(confirmation.box, SIGNAL(stateChanged(int)), this, SLOT(changed()));
    m_Loaded.append(confirmation);
}

void ConfirmationsHandler::setupConfirmationWidgets(const Kivo::Settings& settings)
{
    const Kivo::Configuration::Config* config = m_Session->getConfig();
    loadConfirmation(settings, {m_Form->removeContactConfirmation, Key::ConfirmRemoveContact, false});
    loadConfirmation(settings, {m_Form->historyRecordConfirmation, Key::ConfirmHistoryRecord, false});
    if (Common::configFlag(config, Item::ProjectRoomsEnabled))
        loadConfirmation(settings, {m_Form->deleteChatRoomConfirmation, Key::ConfirmDeleteChatRoom, false});
    else
        m_Form->deleteChatRoomConfirmation->hide();
    if (Common::configFlag(config, Item::LocationEnabled))
        loadConfirmation(settings, {m_Form->locationPublishConfirmation, Key::LocationPublishDontAskAgain, true});
    else
        m_Form->locationPublishConfirmation->hide();
    if (!Common::configFlag(config, Item::CommsDatabase)) {
        m_Form->historyRecordConfirmation->hide();
        m_Form->deleteChatRoomConfirmation->hide();
    }

    if (Common::configFlag(config, CallToHandlerOffered)) {
        m_Form->enableCallToHandler->setChecked(isCallToRegistered());
        CHECKED_CONNECT(m_Form->enableCallToHandler, SIGNAL(stateChanged(int)), this, SLOT(changed()));
    } else {
        m_Form->enableCallToHandler->hide();
    }

    const QString device = settings.value(Key::ActionsDefaultRingDevice).toString();
    const QString deviceText = ringDeviceText(device);
    m_RingDeviceOffered = Common::configFlag(config, DefaultRingDeviceOffered) && !deviceText.isEmpty();
    if (m_RingDeviceOffered) {
        m_Form->useDefaultRingDevice->setChecked(true);
        m_Form->useDefaultRingDevice->setText(deviceText);
        // Unchecking only clears the choice at OK; it is no edit of its own.
    } else {
        m_Form->useDefaultRingDevice->hide();
    }
}

void ConfirmationsHandler::setupMiscellaneousWidgets(const Kivo::Settings& settings)
{
    const Kivo::Configuration::Config* config = m_Session->getConfig();
    const bool calendarItems =
        Common::configFlag(config, Item::OutlookCalendar) && Common::configFlag(config, Item::PresenceEnabled);
    LOG_INFO << "OutlookCal: " << calendarItems;
    LOG_INFO << "OutlookCal(Settings): " << settings.contains(Key::OutlookCalendarEnabled);
    m_OutlookCalendarOffered = calendarItems && settings.contains(Key::OutlookCalendarEnabled);
    m_Form->enableOutlookCalendar->setVisible(m_OutlookCalendarOffered);
    m_Form->enableOutlookCalendar->setChecked(settings.value(Key::OutlookCalendarEnabled, false).toBool());
    CHECKED_CONNECT(m_Form->enableOutlookCalendar, SIGNAL(stateChanged(int)), this, SLOT(changed()));

    const bool searchItem = Common::configFlag(config, Item::OutlookContactSearch);
    LOG_INFO << "OutlookSearch: " << searchItem;
    LOG_INFO << "OutlookSearch(Settings): " << settings.contains(Key::OutlookSearchEnabled);
    m_OutlookSearchOffered = searchItem && settings.contains(Key::OutlookSearchEnabled);
    m_Form->enableOutlookSearch->setVisible(m_OutlookSearchOffered);
    m_Form->enableOutlookSearch->setChecked(settings.value(Key::OutlookSearchEnabled, false).toBool());
    CHECKED_CONNECT(m_Form->enableOutlookSearch, SIGNAL(stateChanged(int)), this, SLOT(changed()));

    const bool directory = Common::configFlag(config, DirectorySearch);
    LOG_INFO << "LdapSearch: " << directory;
    LOG_INFO << "LdapSearch(Settings): " << settings.value(Key::LdapSearchEnabled, true).toBool();
    m_Form->enableLdapSearch->setVisible(directory);
    m_Form->enableLdapSearch->setChecked(settings.value(Key::LdapSearchEnabled, true).toBool());
    CHECKED_CONNECT(m_Form->enableLdapSearch, SIGNAL(stateChanged(int)), this, SLOT(changed()));

    m_Form->outlookBox->setVisible(m_OutlookCalendarOffered || m_OutlookSearchOffered);
    m_Form->miscellaneousBox->setVisible(directory);
}

void ConfirmationsHandler::saveSettings()
{
    if (m_Session) {
        Kivo::Settings settings(Kivo::Settings::UserSettings);
        for (const Confirmation& confirmation : qAsConst(m_Loaded))
            settings.setValue(confirmation.key, confirmation.box->isChecked() != confirmation.inverted);

        const Kivo::Configuration::Config* config = m_Session->getConfig();
        if (Common::configFlag(config, CallToHandlerOffered))
            registerCallTo(m_Form->enableCallToHandler->isChecked());
        if (m_OutlookCalendarOffered) {
            LOG_INFO << "Saving Outlook cal " << m_Form->enableOutlookCalendar->isChecked();
            settings.setValue(Key::OutlookCalendarEnabled, m_Form->enableOutlookCalendar->isChecked());
        }
        if (m_OutlookSearchOffered) {
            LOG_INFO << "Saving Outlook search " << m_Form->enableOutlookSearch->isChecked();
            settings.setValue(Key::OutlookSearchEnabled, m_Form->enableOutlookSearch->isChecked());
        }
        if (Common::configFlag(config, DirectorySearch))
            settings.setValue(Key::LdapSearchEnabled, m_Form->enableLdapSearch->isChecked());
        // The device itself is chosen elsewhere; here it can only be given up.
        if (m_RingDeviceOffered && !m_Form->useDefaultRingDevice->isChecked())
            settings.setValue(Key::ActionsDefaultRingDevice, QString());
    }
    saveProxySettings();
}

void ConfirmationsHandler::saveProxySettings() const
{
    Kivo::Settings settings(Kivo::Settings::MediaSettings);
    int type = ProxyType::None;
    if (m_Form->systemProxy->isChecked())
        type = ProxyType::System;
    else if (m_Form->qomxProxy->isChecked())
        type = ProxyType::Client;
    settings.setValue(Key::ProxyType, type);

    // An empty host leaves its stored pair alone.
    const auto savePair = [&settings](const QLineEdit* hostField, const QLineEdit* portField, const char* hostKey,
                                      const char* portKey, const char* defaultPort) {
        const QString host = hostField->text().simplified();
        if (host.isEmpty())
            return;
        const QString port = portField->text().simplified();
        settings.setValue(hostKey, host);
        settings.setValue(portKey, port.isEmpty() ? QString(defaultPort) : port);
    };
    savePair(m_Form->proxyhostfield, m_Form->proxyportfield, Key::ProxyHttpServer, Key::ProxyHttpPort, DefaultHttpPort);
    savePair(m_Form->secureproxyhostfield, m_Form->secureproxyportfield, Key::ProxyHttpsServer, Key::ProxyHttpsPort,
             DefaultHttpsPort);
}

void ConfirmationsHandler::changed()
{
    emit enableSave(true);
}

void ConfirmationsHandler::qomxProxyToggled(bool on)
{
    for (QWidget* field : {static_cast<QWidget*>(m_Form->proxyhostfield), static_cast<QWidget*>(m_Form->proxyportfield),
                           static_cast<QWidget*>(m_Form->secureproxyhostfield),
                           static_cast<QWidget*>(m_Form->secureproxyportfield)})
        field->setEnabled(on);
}

} // namespace Preferences
