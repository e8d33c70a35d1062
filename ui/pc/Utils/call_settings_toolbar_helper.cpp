#include "Utils/call_settings_toolbar_helper.h"

#include "common/assertions.h"
#include "common/config_flag.h"
#include "common/connect_check.h"
#include "common/constants.h"

#include <Kivo/Controllers/CorvantiumAnywhereController.h>
#include <Kivo/Controllers/RzlLocation.h>
#include <Kivo/Controllers/SimultaneousRingController.h>
#include <Kivo/Controllers/VyxServiceObject.h>
#include <Kivo/Controllers/VyxSupplementaryServicesController2.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QCursor>
#include <QMenu>

namespace Utils {

namespace {

enum ConfigItem
{
    ToolbarEnabled = 399,
    CallSettingsEntry = 400,
    AnywhereEnabled = 401,
    SimultaneousRingEnabled = 402,
    RemoteOfficeEnabled = 403,
    ForwardingEnabled = 404,
    ForwardAlwaysEnabled = 405,
    ForwardBusyEnabled = 406,
    ForwardNoAnswerEnabled = 407,
    ForwardNotReachableEnabled = 408,
    DoNotDisturbEnabled = 409,
    HideNumberEnabled = 410
};

constexpr int StateOn = 1;
constexpr const char* ForwardToNumber = "forwardToPhoneNumber";
constexpr const char* ServiceIdProperty = Constants::ActionProperty::Id;

QList<QAction*> entriesOf(const QMenu* menu)
{
    QList<QAction*> entries;
    if (!menu)
        return entries;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            entries.append(action);
    }
    return entries;
}

} // namespace

CallSettingsToolbarHelper::CallSettingsToolbarHelper(Kivo::Sessions::SessionManagerBase* session, QObject* parent)
    : QObject(parent), m_Session(session)
{
    if (!session || !session->getConfig() || !services())
        return;
    m_CallSettingsEntry = config(CallSettingsEntry);
    const bool anywhere = config(AnywhereEnabled);
    const bool remoteOffice = config(RemoteOfficeEnabled);
    const bool simultaneousRing = config(SimultaneousRingEnabled);
    if (config(ForwardingEnabled)) {
        const struct
        {
            int item;
            int service;
        } types[] = {{ForwardAlwaysEnabled, ForwardAlways},
                     {ForwardBusyEnabled, ForwardBusy},
                     {ForwardNoAnswerEnabled, ForwardNoAnswer},
                     {ForwardNotReachableEnabled, ForwardNotReachable}};
        for (const auto& type : types) {
            if (config(type.item))
                m_ForwardingTypes.append(type.service);
        }
    }
    m_DoNotDisturbEnabled = config(DoNotDisturbEnabled);
    m_HideNumberEnabled = config(HideNumberEnabled);
    m_ToolbarEnabled = config(ToolbarEnabled) &&
                       (m_CallSettingsEntry || anywhere || remoteOffice || simultaneousRing ||
                        !m_ForwardingTypes.isEmpty() || m_DoNotDisturbEnabled || m_HideNumberEnabled);
    CHECKED_CONNECT(services(), SIGNAL(servicesReady()), this, SLOT(supplementaryServicesReady()));
    CHECKED_CONNECT(session, SIGNAL(reconnectionStateChanged(Kivo::Sessions::SessionManagerBase*, bool)), this,
                    SLOT(cbReconnectionStateChanged(Kivo::Sessions::SessionManagerBase*, bool)));
}

CallSettingsToolbarHelper::~CallSettingsToolbarHelper()
{
    for (QMenu* menu : {m_AnywhereMenu.data(), m_RemoteOfficeMenu.data(), m_SimultaneousRingMenu.data(),
                        m_ForwardingMenu.data()})
        delete menu;
}

bool CallSettingsToolbarHelper::config(int item) const
{
    return m_Session && Common::configFlag(m_Session->getConfig(), item);
}

Kivo::Controllers::VyxSupplementaryServicesController2* CallSettingsToolbarHelper::services() const
{
    return m_Session ? m_Session->vyxSupplementaryServicesController2() : nullptr;
}

void CallSettingsToolbarHelper::replaceMenu(QPointer<QMenu>& kept, QMenu* fresh)
{
    if (kept)
        kept->deleteLater();
    kept = fresh;
}

Kivo::Controllers::VyxServiceObject* CallSettingsToolbarHelper::watch(int id)
{
    Kivo::Controllers::VyxServiceObject* service = services() ? services()->getService(id) : nullptr;
    if (!service)
        return nullptr;
    connect(service, &Kivo::Controllers::VyxServiceObject::ready, this, &CallSettingsToolbarHelper::serviceObjectReady,
            Qt::UniqueConnection);
    service->fetch();
    return service;
}

void CallSettingsToolbarHelper::supplementaryServicesReady()
{
    if (m_DoNotDisturbEnabled)
        watch(DoNotDisturb);
    Kivo::Controllers::CorvantiumAnywhereController* anywhere =
        m_Session ? m_Session->corvantiumAnywhereController() : nullptr;
    if (config(AnywhereEnabled) && anywhere) {
        connect(anywhere, &Kivo::Controllers::CorvantiumAnywhereController::serviceStatusReady, this,
                &CallSettingsToolbarHelper::rebuildCorvantiumAnywhereMenu, Qt::UniqueConnection);
    }
    if (config(RemoteOfficeEnabled)) {
        replaceMenu(m_RemoteOfficeMenu, nullptr);
        if (watch(RemoteOffice)) {
            auto* menu = new QMenu(tr("Remote Office"));
            menu->addAction(QString(), this, SLOT(remoteOfficeClicked()));
            menu->addSeparator();
            menu->addAction(QString(), this, SLOT(remoteOfficeConfigureClicked()));
            m_RemoteOfficeMenu = menu;
        }
    }
    Kivo::Controllers::SimultaneousRingController* ring = m_Session ? m_Session->simultaneousRingController() : nullptr;
    if (config(SimultaneousRingEnabled) && ring) {
        connect(ring, &Kivo::Controllers::SimultaneousRingController::serviceStatusReady, this,
                &CallSettingsToolbarHelper::rebuildSimultaneousRingingMenu, Qt::UniqueConnection);
    }
    if (config(ForwardingEnabled)) {
        replaceMenu(m_ForwardingMenu, nullptr);
        auto* menu = new QMenu(tr("Call Forwarding"));
        for (int id : qAsConst(m_ForwardingTypes)) {
            if (!watch(id))
                continue;
            QAction* entry = menu->addAction(QString(), this, SLOT(callForwardingOptionClicked()));
            entry->setCheckable(true);
            entry->setEnabled(false);
            entry->setProperty(ServiceIdProperty, id);
        }
        if (menu->isEmpty()) {
            delete menu;
        } else {
            menu->addSeparator();
            menu->addAction(QString(), this, SLOT(callForwardingConfigureClicked()));
            m_ForwardingMenu = menu;
        }
    }
    if (m_HideNumberEnabled)
        watch(HideNumber);
}

void CallSettingsToolbarHelper::serviceObjectReady()
{
    const auto* service = qobject_cast<const Kivo::Controllers::VyxServiceObject*>(sender());
    if (!service)
        return;
    const bool on = service->getState() == StateOn;
    switch (service->serviceId()) {
    case ForwardAlways:
    case ForwardBusy:
    case ForwardNotReachable:
    case ForwardNoAnswer:
        if (!m_ForwardingMenu)
            return;
        for (QAction* entry : m_ForwardingMenu->actions()) {
            bool hasId = false;
            if (entry->property(ServiceIdProperty).toInt(&hasId) != service->serviceId() || !hasId)
                continue;
            entry->setChecked(on);
            // Forwarding to nowhere cannot be switched on.
            entry->setEnabled(!service->getValue(QString::fromLatin1(ForwardToNumber)).isEmpty());
        }
        if (service->serviceId() == ForwardAlways) {
            m_CallForwardAlwaysActive = on;
            emit callForwardingAlwaysActiveChanged();
        }
        break;
    case HideNumber:
        m_HideNumberActive = on;
        break;
    case DoNotDisturb:
        m_DoNotDisturbActive = on;
        emit doNotDisturbActiveChanged();
        break;
    case RemoteOffice:
        if (!m_RemoteOfficeMenu)
            return;
        m_RemoteOfficeActive = on;
        if (QAction* first = entriesOf(m_RemoteOfficeMenu).value(0))
            first->setEnabled(!service->getValue(services()->getRemoteOfficeNumberAttribute()).isEmpty());
        emit remoteOfficeActiveChanged();
        break;
    default:
        break;
    }
}

void CallSettingsToolbarHelper::cbReconnectionStateChanged(Kivo::Sessions::SessionManagerBase*, bool offline)
{
    m_SessionOffline = offline;
    emit sessionOfflineChanged();
}

void CallSettingsToolbarHelper::rebuildCorvantiumAnywhereMenu()
{
    for (QAction* entry : entriesOf(m_AnywhereMenu)) {
        if (auto* location = entry->data().value<Kivo::Controllers::RzlLocation*>())
            disconnect(location, nullptr, this, nullptr);
    }
    replaceMenu(m_AnywhereMenu, nullptr);
    Kivo::Controllers::CorvantiumAnywhereController* anywhere =
        m_Session ? m_Session->corvantiumAnywhereController() : nullptr;
    QAbstractItemModel* locations = anywhere ? anywhere->getLocations() : nullptr;
    if (!locations)
        return;
    disconnect(locations, nullptr, this, nullptr);
    connect(locations, &QAbstractItemModel::rowsInserted, this, &CallSettingsToolbarHelper::rebuildCorvantiumAnywhereMenu);
    connect(locations, &QAbstractItemModel::rowsRemoved, this, &CallSettingsToolbarHelper::rebuildCorvantiumAnywhereMenu);
    auto* menu = new QMenu(tr("Corvantium Anywhere"));
    for (int row = 0; row < locations->rowCount(); ++row) {
        auto* location = qobject_cast<Kivo::Controllers::RzlLocation*>(
            locations->index(row, 0).data(Kivo::Controllers::CorvantiumAnywhereController::LocationRole).value<QObject*>());
        if (!location)
            continue;
        QString text;
        if (!location->getPhoneNumber().isEmpty()) {
            text = location->getDescription().isEmpty()
                       ? location->getPhoneNumber()
                       : tr("%1 (%2)").arg(location->getDescription(), location->getPhoneNumber());
        }
        QAction* entry = menu->addAction(text, this, SLOT(corvantiumAnywhereLocationClicked()));
        entry->setCheckable(true);
        entry->setChecked(location->getActive());
        entry->setData(QVariant::fromValue(location));
        connect(location, &Kivo::Controllers::RzlLocation::locationChanged, this,
                &CallSettingsToolbarHelper::corvantiumAnywhereLocationChanged);
    }
    menu->addSeparator();
    menu->addAction(QString(), this, SLOT(corvantiumAnywhereConfigureClicked()));
    m_AnywhereMenu = menu;
}

void CallSettingsToolbarHelper::corvantiumAnywhereLocationClicked()
{
    const auto* entry = qobject_cast<const QAction*>(sender());
    if (auto* location = entry ? entry->data().value<Kivo::Controllers::RzlLocation*>() : nullptr)
        location->setActive(!location->getActive());
}

void CallSettingsToolbarHelper::corvantiumAnywhereLocationChanged()
{
    const auto* location = qobject_cast<const Kivo::Controllers::RzlLocation*>(sender());
    for (QAction* entry : entriesOf(m_AnywhereMenu)) {
        if (location && entry->data().value<Kivo::Controllers::RzlLocation*>() == location)
            entry->setChecked(location->getActive());
    }
}

void CallSettingsToolbarHelper::rebuildSimultaneousRingingMenu()
{
    replaceMenu(m_SimultaneousRingMenu, nullptr);
    Kivo::Controllers::SimultaneousRingController* ring = m_Session ? m_Session->simultaneousRingController() : nullptr;
    QAbstractItemModel* locations = ring ? ring->getLocations() : nullptr;
    if (!locations)
        return;
    disconnect(locations, nullptr, this, nullptr);
    connect(locations, &QAbstractItemModel::rowsInserted, this, &CallSettingsToolbarHelper::rebuildSimultaneousRingingMenu);
    connect(locations, &QAbstractItemModel::rowsRemoved, this, &CallSettingsToolbarHelper::rebuildSimultaneousRingingMenu);
    auto* menu = new QMenu(tr("Simultaneous Ring"));
    QAction* enabler = menu->addAction(QString(), this, SLOT(simultaneousRingEnablerClicked()));
    bool anyNumber = false;
    for (int row = 0; row < locations->rowCount(); ++row) {
        auto* detail = qobject_cast<Kivo::Controllers::SimultaneousRingDetail*>(
            locations->index(row, 0).data(Kivo::Controllers::SimultaneousRingController::DetailRole).value<QObject*>());
        if (!detail)
            continue;
        anyNumber = anyNumber || !detail->getPhoneNumber().isEmpty();
        QAction* entry = menu->addAction(detail->getPhoneNumber());
        entry->setEnabled(false);
        entry->setData(QVariant::fromValue<QObject*>(detail));
    }
    enabler->setEnabled(anyNumber);
    menu->addSeparator();
    menu->addAction(QString(), this, SLOT(simultaneousRingConfigureClicked()));
    m_SimultaneousRingMenu = menu;
}

void CallSettingsToolbarHelper::simultaneousRingEnablerClicked()
{
    if (Kivo::Controllers::SimultaneousRingController* ring =
            m_Session ? m_Session->simultaneousRingController() : nullptr)
        ring->setSimRingMainActive(!ring->getSimRingMainActive());
}

void CallSettingsToolbarHelper::switchService(int id, bool on)
{
    Kivo::Controllers::VyxServiceObject* service = services() ? services()->getService(id) : nullptr;
    if (!service)
        return;
    service->setState(on ? StateOn : 0);
    service->push();
}

void CallSettingsToolbarHelper::doNotDisturbClicked(bool checked)
{
    switchService(DoNotDisturb, checked);
}

void CallSettingsToolbarHelper::hideNumberClicked(bool checked)
{
    switchService(HideNumber, checked);
}

void CallSettingsToolbarHelper::callForwardingOptionClicked()
{
    const auto* entry = qobject_cast<const QAction*>(sender());
    ASSERT_RETURN(m_Session);
    if (entry)
        switchService(entry->property(ServiceIdProperty).toInt(), entry->isChecked());
}

void CallSettingsToolbarHelper::remoteOfficeClicked()
{
    ASSERT_RETURN(m_Session);
    switchService(RemoteOffice, !m_RemoteOfficeActive);
}

void CallSettingsToolbarHelper::corvantiumAnywhereConfigureClicked()
{
    emit openCallSettings(CorvantiumAnywherePage);
}

void CallSettingsToolbarHelper::remoteOfficeConfigureClicked()
{
    emit openCallSettings(RemoteOfficePage);
}

void CallSettingsToolbarHelper::simultaneousRingConfigureClicked()
{
    emit openCallSettings(SimultaneousRingPage);
}

void CallSettingsToolbarHelper::callForwardingConfigureClicked()
{
    emit openCallSettings(CallForwardingPage);
}

void CallSettingsToolbarHelper::showingMenu()
{
    m_MenuVisible = true;
    emit callSettingsMenuVisibleChanged();
}

void CallSettingsToolbarHelper::hidingMenu()
{
    m_MenuVisible = false;
    emit callSettingsMenuVisibleChanged();
}

bool CallSettingsToolbarHelper::anyForwardingChecked() const
{
    for (const QAction* entry : entriesOf(m_ForwardingMenu)) {
        if (entry->isChecked())
            return true;
    }
    return false;
}

bool CallSettingsToolbarHelper::anyAnywhereLocationActive() const
{
    for (const QAction* entry : entriesOf(m_AnywhereMenu)) {
        const auto* location = entry->data().value<Kivo::Controllers::RzlLocation*>();
        if (location && location->getActive())
            return true;
    }
    return false;
}

bool CallSettingsToolbarHelper::simultaneousRingActive() const
{
    const Kivo::Controllers::SimultaneousRingController* ring =
        m_Session ? m_Session->simultaneousRingController() : nullptr;
    if (!ring || !m_SimultaneousRingMenu || !ring->getSimRingMainActive())
        return false;
    for (const QAction* entry : entriesOf(m_SimultaneousRingMenu)) {
        if (qobject_cast<const Kivo::Controllers::SimultaneousRingDetail*>(entry->data().value<QObject*>()) &&
            !entry->text().isEmpty())
            return true;
    }
    return false;
}

QMenu* CallSettingsToolbarHelper::buildCallSettingsMenu()
{
    auto* menu = new QMenu();
    connect(menu, &QMenu::aboutToShow, this, &CallSettingsToolbarHelper::showingMenu);
    connect(menu, &QMenu::aboutToHide, this, &CallSettingsToolbarHelper::hidingMenu);
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    const QString configure = tr("Configure");
    if (m_AnywhereMenu) {
        m_AnywhereMenu->setTitle(tr("Corvantium Anywhere"));
        entriesOf(m_AnywhereMenu).last()->setText(configure);
    }
    if (m_RemoteOfficeMenu) {
        m_RemoteOfficeMenu->setTitle(tr("Remote Office"));
        const QList<QAction*> entries = entriesOf(m_RemoteOfficeMenu);
        entries.first()->setText(m_RemoteOfficeActive ? tr("Disable") : tr("Enable"));
        entries.last()->setText(configure);
    }
    const Kivo::Controllers::SimultaneousRingController* ring =
        m_Session ? m_Session->simultaneousRingController() : nullptr;
    if (m_SimultaneousRingMenu) {
        m_SimultaneousRingMenu->setTitle(tr("Simultaneous Ring"));
        const QList<QAction*> entries = entriesOf(m_SimultaneousRingMenu);
        entries.first()->setText(ring && ring->getSimRingMainActive() ? tr("Disable") : tr("Enable"));
        entries.last()->setText(configure);
    }
    if (m_ForwardingMenu) {
        m_ForwardingMenu->setTitle(tr("Call Forwarding"));
        const QList<QAction*> entries = entriesOf(m_ForwardingMenu);
        for (QAction* entry : entries) {
            if (entry == entries.last()) {
                entry->setText(configure);
                continue;
            }
            switch (entry->property(ServiceIdProperty).toInt()) {
            case ForwardAlways:
                entry->setText(tr("Call Forward Always"));
                break;
            case ForwardBusy:
                entry->setText(tr("Call Forward Busy"));
                break;
            case ForwardNotReachable:
                entry->setText(tr("Call Forward Not Reachable"));
                break;
            case ForwardNoAnswer:
                entry->setText(tr("Call Forward No Answer"));
                break;
            default:
                delete entry;
                break;
            }
        }
    }
    if (m_DoNotDisturbEnabled && services() && services()->getService(DoNotDisturb)) {
        QAction* dnd = menu->addAction(tr("Do Not Disturb"));
        dnd->setCheckable(true);
        dnd->setChecked(m_DoNotDisturbActive);
        connect(dnd, &QAction::toggled, this, &CallSettingsToolbarHelper::doNotDisturbClicked);
    }
    if (m_ForwardingMenu) {
        QAction* forwarding = menu->addMenu(m_ForwardingMenu);
        forwarding->setCheckable(true);
        forwarding->setChecked(anyForwardingChecked());
    }
    if (m_RemoteOfficeMenu) {
        menu->addSeparator();
        QAction* remote = menu->addMenu(m_RemoteOfficeMenu);
        remote->setCheckable(true);
        remote->setChecked(m_RemoteOfficeActive);
    }
    if (m_AnywhereMenu) {
        QAction* anywhere = menu->addMenu(m_AnywhereMenu);
        anywhere->setCheckable(true);
        anywhere->setChecked(anyAnywhereLocationActive());
    }
    if (m_SimultaneousRingMenu) {
        QAction* simultaneous = menu->addMenu(m_SimultaneousRingMenu);
        simultaneous->setCheckable(true);
        simultaneous->setChecked(simultaneousRingActive());
    }
    if (m_HideNumberEnabled) {
        QAction* hide = menu->addAction(tr("Hide Number"));
        hide->setCheckable(true);
        hide->setChecked(m_HideNumberActive);
        connect(hide, &QAction::toggled, this, &CallSettingsToolbarHelper::hideNumberClicked);
    }
    if (m_CallSettingsEntry) {
        menu->addSeparator();
        menu->addAction(tr("%1...").arg(tr("Call Settings")), this, [this] { emit openCallSettings(); });
    }
    // Nothing to switch: no empty box pops up.
    if (entriesOf(menu).isEmpty()) {
        delete menu;
        return nullptr;
    }
    return menu;
}

void CallSettingsToolbarHelper::showCallSettingsMenu()
{
    if (QMenu* menu = buildCallSettingsMenu())
        menu->popup(QCursor::pos());
}

QString CallSettingsToolbarHelper::getCallSettingsTooltip() const
{
    QStringList lines;
    const QString enabled = tr("%1 enabled");
    if (m_DoNotDisturbActive)
        lines << enabled.arg(tr("Do Not Disturb"));
    if (anyForwardingChecked())
        lines << enabled.arg(tr("Call Forwarding"));
    if (m_RemoteOfficeActive)
        lines << enabled.arg(tr("Remote Office"));
    if (anyAnywhereLocationActive())
        lines << enabled.arg(tr("Corvantium Anywhere"));
    if (simultaneousRingActive())
        lines << enabled.arg(tr("Simultaneous Ring"));
    if (m_HideNumberActive)
        lines << enabled.arg(tr("Hide Number"));
    if (lines.isEmpty())
        lines << tr("Call Settings");
    return lines.join(QLatin1Char('\n'));
}

} // namespace Utils
