#include "libqml/components/callsettings/call_settings.h"

#include "libqml/components/blf_window/blf_window.h"

#include <QGuiApplication>
#include <QScreen>

#include "Dialogs/supplementary_services.h"
#include "Utils/string_helper.h"
#include "Utils/windowmanager.h"
#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/components/callsettings/call_settings_tab_detail.h"
#include "libqml/components/callsettings/call_settings_tab_detail_list.h"
#include "libqml/window/qml_view.h"

#include <Kivo/Controllers/CorvantiumAnywhereController.h>
#include <Kivo/Controllers/SimultaneousRingController.h>
#include <Kivo/Controllers/VyxSupplementaryServicesController2.h>

#include <QKeyEvent>
#include <QMetaEnum>
#include <QQmlContext>
#include <QQuickItem>
#include <QShortcut>
#include <QTimer>

namespace QML {

namespace {

using Kivo::Controllers::SupplementaryService;
using Tab = CallSettingsTabDetail;

constexpr const char* MenuHeaders = "menuHeaders";

// The tab each page of the toolbar menu and the main window opens.
Tab::TabType tabOfPage(Utils::CallSettingsPage page)
{
    switch (page) {
    case Utils::CorvantiumAnywherePage:
        return Tab::CorvantiumAnywhereTab;
    case Utils::RemoteOfficePage:
        return Tab::RemoteOfficeTab;
    case Utils::SimultaneousRingPage:
        return Tab::SimultaneousRingTab;
    case Utils::CallForwardingPage:
        return Tab::CallForwardingTab;
    case Utils::DoNotDisturbPage:
        return Tab::DoNotDisturbTab;
    case Utils::HideNumberPage:
        return Tab::HideNumberTab;
    default:
        return Tab::Invalid;
    }
}

} // namespace

CallSettings::CallSettings(Kivo::Sessions::SessionManagerBase* session, bool alwaysOnTop, QWidget* parent)
    : Window(alwaysOnTop, parent)
    , m_Session(session)
    , m_Tabs(new CallSettingsTabDetailList(this))
    , m_AlwaysOnTop(alwaysOnTop)
{
    qRegisterMetaType<Kivo::Controllers::SupplementaryService>("Kivo::Controllers::SupplementaryService");
    setResizable(false);
    setTitle(tr("Call Settings"));
    buildTabs();

    QQmlContext* context = view()->rootContext();
    context->setContextProperty(QStringLiteral("dialog"), this);
    if (m_Session) {
        if (QObject* services = m_Session->vyxSupplementaryServicesController2())
            context->setContextProperty(QStringLiteral("ss_ctrl2"), services);
        if (QObject* anywhere = m_Session->corvantiumAnywhereController())
            context->setContextProperty(QStringLiteral("bw_controller"), anywhere);
        if (QObject* ring = m_Session->simultaneousRingController())
            context->setContextProperty(QStringLiteral("sim_ring_controller"), ring);
    }
    publishTabs();
    setUp();

    auto* closeShortcut = new QShortcut(QKeySequence::Close, this);
    connect(closeShortcut, &QShortcut::activated, this, &QWidget::close);
}

CallSettings::~CallSettings()
{
    // The dialog of all services belongs to this window.
    delete m_AllServices.data();
}

void CallSettings::setUp()
{
    Kivo::Controllers::VyxSupplementaryServicesController2* services =
        m_Session ? m_Session->vyxSupplementaryServicesController2() : nullptr;
    if (services) {
        if (!services->isServicesListFetched())
            services->fetchServicesList();
        CHECKED_CONNECT(services, SIGNAL(fetchFailed(Kivo::Vyx::VyxComponent::Error, const Kivo::Vyx::VyxErrorInfo&)),
                        this, SLOT(onFetchFailed(Kivo::Vyx::VyxComponent::Error, const Kivo::Vyx::VyxErrorInfo&)));
        CHECKED_CONNECT(services, SIGNAL(servicesReady()), this, SLOT(onSupplementaryServicesReady()));
        // The save slots reach the server through the controller.
        CHECKED_CONNECT(this, SIGNAL(changeSupplementaryService(Kivo::Controllers::SupplementaryService)), services,
                        SLOT(changeSupplementaryService(Kivo::Controllers::SupplementaryService)));
        services->resetServices();
    }
    if (loadQML(Scene))
        connectScene();
    else
        LOG_ERROR << "Call settings scene not loaded";
    if (m_Session) {
        CHECKED_CONNECT(m_Session,
                        SIGNAL(stateChange(Kivo::Sessions::SessionManagerBase*, Kivo::Sessions::SessionManagerBase::State)),
                        this,
                        SLOT(sessionStateChange(Kivo::Sessions::SessionManagerBase*, Kivo::Sessions::SessionManagerBase::State)));
    }
    if (QQuickItem* root = view()->rootObject()) {
        CHECKED_CONNECT(root, SIGNAL(stateChanged(QString)), this, SLOT(pageChanged(QString)));
        // The scene may have chosen its first page while it loaded.
        pageChanged(root->state());
    }
    Utils::WindowManager::placeWindow(this);
}

void CallSettings::connectScene()
{
    QQuickItem* root = view()->rootObject();
    CHECKED_CONNECT(root, SIGNAL(closeClicked()), this, SLOT(close()));
    if (Kivo::Controllers::CorvantiumAnywhereController* anywhere = m_Session ? m_Session->corvantiumAnywhereController() : nullptr) {
        CHECKED_CONNECT(root, SIGNAL(addLocation(QString)), anywhere, SLOT(addLocation(QString)));
        CHECKED_CONNECT(root, SIGNAL(saveLocation(int, bool)), anywhere, SLOT(saveLocationDetails(int, bool)));
        CHECKED_CONNECT(root, SIGNAL(fetchLocationDetails(int)), anywhere, SLOT(fetchLocationDetails(int)));
        CHECKED_CONNECT(anywhere, SIGNAL(operationFailed(Kivo::Vyx::VyxComponent::Error, const Kivo::Vyx::VyxErrorInfo&)),
                        this, SLOT(onFetchFailed(Kivo::Vyx::VyxComponent::Error, const Kivo::Vyx::VyxErrorInfo&)));
        anywhere->updateLists();
    }
    if (Kivo::Controllers::SimultaneousRingController* ring = m_Session ? m_Session->simultaneousRingController() : nullptr) {
        CHECKED_CONNECT(root, SIGNAL(saveLocations()), ring, SLOT(saveRingLocations()));
        CHECKED_CONNECT(ring, SIGNAL(operationFailed(Kivo::Vyx::VyxComponent::Error, const Kivo::Vyx::VyxErrorInfo&)), this,
                        SLOT(onFetchFailed(Kivo::Vyx::VyxComponent::Error, const Kivo::Vyx::VyxErrorInfo&)));
        ring->updateLists();
    }
    // Shaded while the services the tabs stand for are still being listed.
    const auto* services = m_Session ? m_Session->vyxSupplementaryServicesController2() : nullptr;
    if (!services || services->isServicesListFetched())
        emit unblockUi();
}

void CallSettings::buildTabs()
{
    if (m_Tabs->rowCount() > 0)
        m_Tabs->removeRows(0, m_Tabs->rowCount());
    const Kivo::Controllers::VyxSupplementaryServicesController2* services =
        m_Session ? m_Session->vyxSupplementaryServicesController2() : nullptr;
    const auto has = [services](int id) { return services && services->hasService(id); };
    const bool forwarding = !services || has(SupplementaryService::CallForwardingAlways)
                            || has(SupplementaryService::CallForwardingBusy)
                            || has(SupplementaryService::CallForwardingNotReachable)
                            || has(SupplementaryService::CallForwardingNoReply);
    const struct
    {
        Tab::TabType type;
        QString title;
        bool offered;
    } tabs[] = {
        {Tab::CorvantiumAnywhereTab, tr("Corvantium Anywhere"), m_Session && m_Session->corvantiumAnywhereController()},
        {Tab::RemoteOfficeTab, tr("Corvantium Remote Office"), has(SupplementaryService::RemoteOffice)},
        {Tab::CallForwardingTab, tr("Forward Calls"), forwarding},
        {Tab::DoNotDisturbTab, tr("Do Not Disturb"), has(SupplementaryService::DoNotDisturb)},
        {Tab::HideNumberTab, tr("Hide Number"), has(SupplementaryService::CallingLineIdBlocking)},
        {Tab::SimultaneousRingTab, tr("Simultaneous Ring Personal"), m_Session && m_Session->simultaneousRingController()},
    };
    for (const auto& tab : tabs) {
        if (!tab.offered)
            continue;
        auto* detail = new CallSettingsTabDetail(this);
        detail->setTabTitle(tab.title);
        detail->setTabType(tab.type);
        m_Tabs->append(detail);
    }
}

void CallSettings::publishTabs()
{
    view()->rootContext()->setContextProperty(QString::fromLatin1(MenuHeaders), m_Tabs);
}

void CallSettings::openPage(Utils::CallSettingsPage page)
{
    Tab::TabType type = tabOfPage(page);
    if (page == Utils::GeneralPage && m_Tabs->rowCount() > 0)
        type = m_Tabs->at(0)->tabType();
    if (type == Tab::Invalid) {
        LOG_WARNING << "No call settings tab for page " << int(page);
        return;
    }
    for (int row = 0; row < m_Tabs->rowCount(); ++row) {
        if (m_Tabs->at(row)->tabType() == type) {
            emit changeTab(type, row);
            return;
        }
    }
    LOG_INFO << "The account has no call settings tab " << int(type);
}

void CallSettings::onSupplementaryServicesReady()
{
    buildTabs();
    emit unblockUi();
}

void CallSettings::saveService(SupplementaryService::Id id, bool active, const QString& number)
{
    emit changeSupplementaryService(SupplementaryService(id, active, number));
}

void CallSettings::onSaveBWROServiceData(bool active, QString number)
{
    saveService(SupplementaryService::RemoteOffice, active, number);
}

void CallSettings::onSaveCFUServiceData(bool active, QString number)
{
    saveService(SupplementaryService::CallForwardingAlways, active, number);
}

void CallSettings::onSaveCFBServiceData(bool active, QString number)
{
    saveService(SupplementaryService::CallForwardingBusy, active, number);
}

void CallSettings::onSaveCFNRcServiceData(bool active, QString number)
{
    saveService(SupplementaryService::CallForwardingNotReachable, active, number);
}

void CallSettings::onSaveCFNRServiceData(bool active, QString number)
{
    saveService(SupplementaryService::CallForwardingNoReply, active, number);
}

void CallSettings::onSaveDNDServiceData(bool active)
{
    saveService(SupplementaryService::DoNotDisturb, active, QString());
}

void CallSettings::onSaveCLIDBlockData(bool active)
{
    saveService(SupplementaryService::CallingLineIdBlocking, active, QString());
}

QString CallSettings::getNumberAttribute()
{
    Kivo::Controllers::VyxSupplementaryServicesController2* services =
        m_Session ? m_Session->vyxSupplementaryServicesController2() : nullptr;
    if (m_NumberAttribute.isEmpty() && services)
        m_NumberAttribute = services->getRemoteOfficeNumberAttribute();
    return m_NumberAttribute;
}

QString CallSettings::errorText(Kivo::Vyx::VyxComponent::Error error, const Kivo::Vyx::VyxErrorInfo& info)
{
    if (error == Kivo::Vyx::VyxComponent::ServerError)
        return info.message + QLatin1Char('\n') + tr("Error Code:") + QString::number(info.code);
    return Utils::StringHelper::conferenceErrorText(error);
}

QString CallSettings::networkErrorText(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return tr("Connection Refused");
    case QNetworkReply::HostNotFoundError:
        return tr("Host Not Found");
    case QNetworkReply::TimeoutError:
        return tr("Timeout Error");
    case QNetworkReply::OperationCanceledError:
        return tr("Operation Canceled");
    case QNetworkReply::AuthenticationRequiredError:
        return tr("Authentication Required");
    default:
        return tr("Unknown Error %1").arg(QLatin1String(QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(error)));
    }
}

void CallSettings::onFetchFailed(Kivo::Vyx::VyxComponent::Error error, const Kivo::Vyx::VyxErrorInfo& info)
{
    emit showErrorMessage(errorText(error, info));
    // What could be had is shown; the window does not stay shaded for what could not.
    emit unblockUi();
}

void CallSettings::onFetchFailed(QNetworkReply::NetworkError error)
{
    emit showErrorMessage(networkErrorText(error));
}

void CallSettings::sessionStateChange(Kivo::Sessions::SessionManagerBase* manager,
                                      Kivo::Sessions::SessionManagerBase::State state)
{
    if (manager == m_Session && state == Kivo::Sessions::SessionManagerBase::SigningOut)
        QTimer::singleShot(0, this, &QWidget::close);
}

void CallSettings::pageChanged(QString state)
{
    m_CurrentPage = state;
}

QString CallSettings::helpContext() const
{
    return m_CurrentPage;
}

void CallSettings::showAndActivate()
{
    show();
    raise();
    activateWindow();
}

QSize CallSettings::minimumWindowSize() const
{
    return QSize(Width, Height);
}

QSize CallSettings::maximumWindowSize() const
{
    return QSize(Width, Height);
}

void CallSettings::showAllServices()
{
    Kivo::Controllers::VyxSupplementaryServicesController2* services =
        m_Session ? m_Session->vyxSupplementaryServicesController2() : nullptr;
    if (!services) {
        LOG_WARNING << "No supplementary services to show";
        return;
    }
    if (m_AllServices) {
        m_AllServices->showAndActivate();
        return;
    }
    auto* dialog = new Dialogs::SupplementaryServices(services, m_AlwaysOnTop);
    m_AllServices = dialog;
    // Beside this window (right of it, or left where the screen ends), once its rows are built.
    connect(dialog, &Dialogs::SupplementaryServices::readyToShow, this, [this, dialog] {
        const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
        if (!shownOn || dialog->isVisible())
            return;
        dialog->adjustSize();
        dialog->move(BlfWindow::besidePosition(frameGeometry(), dialog->frameGeometry().size(),
                                               shownOn->availableGeometry()));
    });
    CHECKED_CONNECT(dialog, SIGNAL(readyToShow()), dialog, SLOT(showAndActivate()));
    // What the dialog changed shows here too.
    CHECKED_CONNECT(dialog, SIGNAL(readyToShow()), this, SLOT(onSupplementaryServicesReady()));
}

void CallSettings::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Tab) {
        emit switchTab();
        event->accept();
        return;
    }
    Window::keyReleaseEvent(event);
}

void CallSettings::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setTitle(tr("Call Settings"));
        buildTabs();
        publishTabs();
    }
    Window::changeEvent(event);
}

} // namespace QML
