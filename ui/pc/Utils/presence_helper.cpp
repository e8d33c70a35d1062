#include "Utils/presence_helper.h"

#include "Dialogs/location_publish.h"
#include "Utils/qobject_language_change.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Presence/PresenceData.h>
#include <Kivo/Settings.h>

#include <QEvent>
#include <QActionGroup>
#include <QIcon>
#include <QMenu>

namespace Utils {

namespace Key = Constants::SettingsKey;
using Kivo::Utils::Location::Info;

namespace {

struct MenuEntry
{
    int presence;
    const char* icon;
};

// The choices the user has for the own presence, in menu order.
const MenuEntry PresenceMenuEntries[] = {{10, ":/presence/presence_present_small.png"},
                                         {5, ":/presence/presence_away_small.png"},
                                         {17, ":/presence/presence_busy_small.png"},
                                         {2, ":/presence/presence_inactive_small.png"}};

} // namespace

PresenceHelper::PresenceHelper(Kivo::Presence::PresenceData* presence, QObject* parent)
    : QObject(parent)
    , m_Presence(presence)
{
    LOG_INFO << "Construct";
    qRegisterMetaType<Kivo::Utils::Location::Info>();
    createMenu();
    createLocationDialog();
    QObjectLanguageChange::registerObject(this);
}

PresenceHelper::~PresenceHelper()
{
    LOG_INFO << "Destruct.";
    delete m_Menu;
    delete m_LocationDialog;
}

bool PresenceHelper::event(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::event(event);
}

QString PresenceHelper::availabilityText(int presence) const
{
    namespace P = Constants::Presence;
    if (presence == P::Pending)
        return tr("Pending");
    if (P::isOffline(presence))
        return tr("Offline");
    if (P::isAway(presence))
        return tr("Away");
    if (P::isAvailable(presence))
        return tr("Available");
    if (P::isOnDeskPhone(presence))
        return tr("Deskphone");
    if (P::isOnMobile(presence))
        return tr("Mobile");
    if (P::isBusy(presence))
        return tr("Busy");
    if (P::isInMeeting(presence))
        return tr("Meeting");
    if (P::isInCall(presence))
        return tr("Call");
    return QString();
}

void PresenceHelper::createMenu()
{
    m_Menu = new QMenu();
    auto* choices = new QActionGroup(m_Menu);
    // None is marked while the user is offline or in a state the menu does not offer.
    choices->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const MenuEntry& entry : PresenceMenuEntries) {
        auto* action = new PresenceAction(m_Menu);
        action->setData(entry.presence);
        action->setIcon(QIcon(QString::fromLatin1(entry.icon)));
        action->setCheckable(true);
        choices->addAction(action);
        m_Menu->addAction(action);
    }
    retranslate();
    connect(m_Menu, &QMenu::triggered, this, &PresenceHelper::actionTriggered);
    // The menu marks the availability the user has now, however it was set.
    connect(m_Menu, &QMenu::aboutToShow, this, &PresenceHelper::markCurrentPresence);
    if (m_Presence)
        connect(m_Presence, &Kivo::Presence::PresenceData::presenceChanged, this, &PresenceHelper::markCurrentPresence);
    markCurrentPresence();
}

void PresenceHelper::markCurrentPresence()
{
    const QString current = m_Presence ? availabilityText(m_Presence->internalPresence()) : QString();
    for (QAction* action : m_Menu->actions()) {
        if (action->data().isValid() && action != m_ConfigureAction)
            action->setChecked(!current.isEmpty() && availabilityText(action->data().toInt()) == current);
    }
}

void PresenceHelper::retranslate()
{
    if (!m_Menu)
        return;
    m_Menu->setTitle(tr("Availability"));
    for (QAction* action : m_Menu->actions()) {
        if (action->data().isValid())
            action->setText(availabilityText(action->data().toInt()));
    }
    if (m_ConfigureAction)
        m_ConfigureAction->setText(tr("Configure"));
}

void PresenceHelper::addConfigureAction()
{
    if (!m_ConfigureAction)
        m_ConfigureAction = new QAction(m_Menu);
    m_Menu->addSeparator();
    m_Menu->addAction(m_ConfigureAction);
    m_ConfigureAction->setText(tr("Configure"));
}

void PresenceHelper::actionTriggered(QAction* action)
{
    if (!action)
        return;
    if (action == m_ConfigureAction) {
        emit configureActionTriggered();
        return;
    }
    if (!m_Presence) {
        LOG_WARNING << "No presence data to publish " << action->data().toInt() << " to";
        return;
    }
    m_Presence->publishInternalPresence(action->data().toInt(), false);
}

void PresenceHelper::setAlwaysOnTop(bool on)
{
    if (m_LocationDialog)
        m_LocationDialog->setAlwaysOnTop(on);
}

void PresenceHelper::createLocationDialog()
{
    m_LocationDialog = new Dialogs::LocationPublish(nullptr);
    connect(m_LocationDialog, &Dialogs::LocationPublish::locationChanged, this, &PresenceHelper::cbSetLocation);
    connect(this, &PresenceHelper::locationsReceived, m_LocationDialog, &Dialogs::LocationPublish::locationsReceived);
}

void PresenceHelper::showLocationPublish()
{
    if (!m_LocationDialog)
        return;
    m_LocationDialog->loadSettings();
    m_LocationDialog->show();
    m_LocationDialog->raise();
    m_LocationDialog->activateWindow();
}

void PresenceHelper::cbSoapActionLocationReceived(const Info& location)
{
    if (m_SoapActionLocation)
        LOG_INFO << "We already had SOAP Action location data.";
    const QString lastAddress =
        Kivo::Settings(Kivo::Settings::UserSettings).value(Key::LocationPublishLastReceivedIpAddress).toString();
    m_SoapActionLocation = location;
    if (!m_InitialLocationHandled || location.ipAddress != lastAddress) {
        LOG_INFO << "Handle " << (m_InitialLocationHandled ? "new ip address" : "initial") << " location data.";
        handleLocations();
    }
}

void PresenceHelper::cbXmppLocationReceived(const Info& location)
{
    if (m_XmppLocation)
        LOG_INFO << "We already had XMPP location data.";
    m_XmppLocation = location;

    const bool manual = !location.manualLocation.isEmpty() || location.isEmpty();
    Kivo::Settings settings(Kivo::Settings::UserSettings);
    settings.setValue(Key::LocationPublishManuallyPublished, manual);
    if (manual) {
        settings.setValue(Key::LocationPublishLastManualLocation, location.manualLocation);
        // "-" is how a published record says it has no time zone.
        const QString timeZone = location.timeZone == QLatin1String("-") ? QString() : location.timeZone;
        settings.setValue(Key::LocationPublishLastTimezone, timeZone);
    }

    if (m_SoapActionLocation && !m_InitialLocationHandled) {
        LOG_INFO << "We have SOAP Action data already. Handle initial location data.";
        handleLocations();
    }
}

void PresenceHelper::handleLocations()
{
    if (!m_SoapActionLocation)
        return;
    LOG_INFO << "About to publish location";
    Info location = *m_SoapActionLocation;
    m_InitialLocationHandled = true;

    Kivo::Settings settings(Kivo::Settings::UserSettings);
    const bool newAddress =
        location.ipAddress != settings.value(Key::LocationPublishLastReceivedIpAddress).toString();
    if (newAddress)
        LOG_INFO << "Found new ip address.";

    if (m_XmppLocation && !newAddress) {
        LOG_INFO << "Combine SOAP Action and XMPP location.";
        emit locationsReceived(location, *m_XmppLocation);
    } else {
        LOG_INFO << "SOAP Action location available";
        emit locationsReceived(location, Info());
    }

    const bool dontAskAgain = settings.value(Key::LocationPublishDontAskAgain, false).toBool();
    if (newAddress && !dontAskAgain && settings.value(Key::LocationPublishAccepted, false).toBool()) {
        LOG_INFO << "Lets publish.";
        showLocationPublish();
        return;
    }

    if (!settings.value(Key::LocationPublishAccepted, true).toBool()) {
        setLocation(Info(), true);
        return;
    }
    if (settings.value(Key::LocationPublishManuallyPublished, false).toBool()) {
        LOG_INFO << "Has been manually given.";
        location.clear();
        location.manualLocation = settings.value(Key::LocationPublishLastManualLocation).toString();
        const QString timeZone = settings.value(Key::LocationPublishLastTimezone).toString();
        if (!timeZone.isEmpty())
            location.timeZone = timeZone;
    }
    if (newAddress) {
        LOG_INFO << "Updating new ip address: " << m_SoapActionLocation->ipAddress;
        settings.setValue(Key::LocationPublishLastReceivedIpAddress, m_SoapActionLocation->ipAddress);
    }
    LOG_INFO << "Setting location.";
    setLocation(location, false);
}

void PresenceHelper::cbSetLocation(const Info& location, bool dontAskAgain, bool accepted)
{
    Kivo::Settings settings(Kivo::Settings::UserSettings);
    settings.setValue(Key::LocationPublishDontAskAgain, dontAskAgain);
    settings.setValue(Key::LocationPublishAccepted, accepted);
    setLocation(location, !accepted);
}

void PresenceHelper::setLocation(const Info& location, bool force)
{
    LOG_INFO << "Time Zone: " << location.timeZone;
    LOG_INFO << "Country: " << location.country;
    LOG_INFO << "City: " << location.city;
    LOG_INFO << "State: " << location.state;
    LOG_INFO << "Manual Location: " << location.manualLocation;
    if (!m_Presence) {
        LOG_WARNING << "No presence data to set the location on";
        return;
    }
    const Info current = m_Presence->getLocationInfo();
    if (!force && current.isEmpty() && current == location)
        return;
    LOG_INFO << "Can be used for own location.";
    m_Presence->setLocation(location);
    emit ownLocationChanged();
}

void PresenceHelper::sessionReconnectionStateChanged(Kivo::Sessions::SessionManagerBase*, bool reconnecting)
{
    if (!reconnecting)
        return;
    LOG_INFO << "Reconnecting.";
    m_InitialLocationHandled = false;
}

} // namespace Utils
