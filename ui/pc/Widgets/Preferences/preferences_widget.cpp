#include "Widgets/Preferences/preferences_widget.h"

#include "ui_preferences_form.h"

#include "Utils/windowmanager.h"
#include "Widgets/Preferences/addins_handler.h"
#include "Widgets/Preferences/audio_handler.h"
#include "Widgets/Preferences/confirmations_handler.h"
#include "Widgets/Preferences/credentials_handler.h"
#include "Widgets/Preferences/general_settings_handler.h"
#include "Widgets/Preferences/language_handler.h"
#include "Widgets/Preferences/logging_handler.h"
#include "Widgets/Preferences/sounds_handler.h"
#include "Widgets/Preferences/video_handler.h"
#include "common/config_flag.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "libqml/utils/style.h"
#include "libqml/window/qml_view.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/BlfController.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>

#include <QCoreApplication>
#include <QEvent>
#include <QQmlContext>
#include <QQuickItem>

namespace Widgets {

namespace {

using Kivo::Sessions::SessionManagerBase;

namespace ProxyType = Constants::ProxyType;
using Constants::ConfigItem::OutlookCalendar;
using Constants::ConfigItem::OutlookContactSearch;

enum ConfigItem
{
    AudioEnabled = 85,
    VideoEnabled = 100,
    AddinsEnabled = 302
};

constexpr const char* ConnectorListScene = "qrc:/components/ConnectorList.qml";
// Below this screen height the sound events keep the form's fixed height.
constexpr int SmallScreenHeight = 600;

// Team telephony is offered when the call connection is enabled and the user watches
// somebody's line.
bool offersTeamTelephony(const SessionManagerBase& session)
{
    bool callConnection = false;
    for (const Kivo::Sessions::SubSession* sub : session.subSessions())
        callConnection = callConnection || (sub->getType() == Kivo::Sessions::SubSession::Sip && sub->isEnabled());
    const Kivo::Contacts::BlfController* blf = session.getBlfController();
    return callConnection && blf && !blf->isMonitoredUserListEmpty();
}

} // namespace

PreferencesWidget::PreferencesWidget(SessionManagerBase* session, QMap<int, QPointer<QTranslator>>* translators, int startTab,
                                     QAbstractItemModel* connectorModel, QWidget* parent)
    : Utils::HelpInterface(parent)
    , m_Form(std::make_unique<Ui::preferencesForm>())
    , m_AddinsModel(connectorModel)
{
    setObjectName("preferencesWidget");
    m_Form->setupUi(this);
    retranslate();

    new Preferences::GeneralSettingsHandler(m_Form.get(), this);
    new Preferences::LanguageHandler(translators, m_Form.get(), this);
    new Preferences::LoggingHandler(m_Form.get(), this);
    applySignedInState(session != nullptr);
    if (session)
        createSignedInHandlers(*session, startTab);
    loadProxySettings();
    // Last: it takes the proxy controls over as loaded.
    new Preferences::ConfirmationsHandler(m_Form.get(), session, this);
}

PreferencesWidget::~PreferencesWidget()
{
    // The connector scene reads the page: it goes before the page stops being one.
    delete m_Form->manageAddinsWidget;
}

QString PreferencesWidget::helpContext() const
{
    const QTabWidget* tabs = m_Form->preferencesTabs;
    return tabs ? tabs->tabText(tabs->currentIndex()) : QString();
}

QSize PreferencesWidget::sizeHint() const
{
    const QMargins margins = layout()->contentsMargins();
    const int frame = 2 * m_Form->scrollArea->frameWidth();
    return m_Form->scrollAreaWidgetContents->sizeHint()
           + QSize(margins.left() + margins.right() + frame, margins.top() + margins.bottom() + frame);
}

void PreferencesWidget::retranslate()
{
    m_Form->retranslateUi(this);
    m_Form->enableAPIProvider->setText(
        tr("Allow 3rd party applications to access %1").arg(QCoreApplication::applicationName()));
    setWindowTitle(tr("Preferences"));
}

void PreferencesWidget::setAddinsListVisibility()
{
    m_Form->manageAddinsBox->setVisible(m_AddinsModel && m_AddinsModel->rowCount(QModelIndex()) > 0);
}

void PreferencesWidget::resizeEvent(QResizeEvent* event)
{
    fitSoundEventsList();
    Utils::HelpInterface::resizeEvent(event);
}

void PreferencesWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        emit languageChanged();
    }
    Utils::HelpInterface::changeEvent(event);
}

void PreferencesWidget::applySignedInState(bool signedIn)
{
    QTabWidget* tabs = m_Form->preferencesTabs;
    for (QWidget* tab : {m_Form->videoTab, m_Form->audioTab, m_Form->credentialsTab, m_Form->addinsTab})
        tabs->setTabEnabled(tabs->indexOf(tab), signedIn);
    tabs->setCurrentWidget(m_Form->proxyTab);
    m_Form->confirmationsBox->setVisible(signedIn);
    m_Form->miscellaneousBox->setVisible(signedIn);
    m_Form->teamTelephonyOptionsBox->setVisible(signedIn);
}

void PreferencesWidget::removeTab(QWidget* tab)
{
    // By page, not by number: earlier removals shift the numbers.
    m_Form->preferencesTabs->removeTab(m_Form->preferencesTabs->indexOf(tab));
}

void PreferencesWidget::createSignedInHandlers(SessionManagerBase& session, int startTab)
{
    const QMap<int, QWidget*> startTabs = {{AudioTab, m_Form->audioTab},
                                           {VideoTab, m_Form->videoTab},
                                           {CredentialsTab, m_Form->credentialsTab},
                                           {ProxyTab, m_Form->proxyTab},
                                           {AddinsTab, m_Form->addinsTab}};
    m_Form->preferencesTabs->setCurrentWidget(startTabs.value(startTab, m_Form->generalTab));

    const Kivo::Configuration::Config* config = session.getConfig();
    if (!Common::configFlag(config, VideoEnabled))
        removeTab(m_Form->videoTab);
    if (!Common::configFlag(config, AudioEnabled))
        removeTab(m_Form->audioTab);
    setUpAddins(session);

    Kivo::MediaEngine::CallControllerBase* calls = session.callController();
    if (calls) {
        const bool teamTelephony = offersTeamTelephony(session);
        new Preferences::SoundsHandler(m_Form.get(), calls, teamTelephony, this);
        if (Kivo::MediaEngine::IMediaHandlerAudio* audio = calls->GetMediaHandlerAudio())
            new Preferences::AudioHandler(m_Form.get(), audio, this);
        if (teamTelephony) {
            auto* blf = new Preferences::BlfHandler(m_Form.get(), this);
            CHECKED_CONNECT(this, SIGNAL(saveSettings()), blf, SLOT(saveSettings()));
        } else {
            m_Form->teamTelephonyOptionsBox->hide();
        }
    }
    new Preferences::CredentialsHandler(m_Form.get(), &session, this);
    if (Kivo::MediaEngine::IMediaHandlerVideo* video = calls ? calls->GetMediaHandlerVideo() : nullptr)
        new Preferences::VideoHandler(m_Form.get(), video, this);
    new Preferences::AddinsHandler(m_Form.get(), this);

    // The credentials page hides the groups that do not apply; a page left empty goes.
    if (m_Form->credentialsTab->childrenRect().height() == 0)
        removeTab(m_Form->credentialsTab);
}

void PreferencesWidget::setUpAddins(const SessionManagerBase& session)
{
    const Kivo::Configuration::Config* config = session.getConfig();
    if (!Common::configFlag(config, AddinsEnabled) && !Common::configFlag(config, OutlookCalendar)
        && !Common::configFlag(config, OutlookContactSearch)) {
        removeTab(m_Form->addinsTab);
        return;
    }
    if (!Common::configFlag(config, AddinsEnabled)) {
        m_Form->addinSettingsBox->hide();
        m_Form->manageAddinsBox->hide();
        m_Form->manageAddinsWidget->hide();
        return;
    }
    setUpConnectorList();
}

void PreferencesWidget::setUpConnectorList()
{
    // A view of the program's engine: what it publishes stays in its own context.
    QML::View* view = m_Form->manageAddinsWidget;
    view->setResizeMode(QQuickWidget::SizeRootObjectToView);
    // The scene reads its context as it loads.
    view->rootContext()->setContextProperty(Constants::ContextProperty::RootWindow, this);
    view->rootContext()->setContextProperty(Constants::ContextProperty::Style, QML::Style::instance());
    view->setSource(QUrl(ConnectorListScene));
    if (QQuickItem* root = view->rootObject())
        root->setProperty("useAcceptanceButtons", false);
    setAddinsListVisibility();
    if (m_AddinsModel) {
        CHECKED_CONNECT(m_AddinsModel, SIGNAL(rowsInserted(QModelIndex, int, int)), this,
                        SLOT(setAddinsListVisibility()));
        CHECKED_CONNECT(m_AddinsModel, SIGNAL(rowsRemoved(QModelIndex, int, int)), this,
                        SLOT(setAddinsListVisibility()));
    }
}

void PreferencesWidget::loadProxySettings()
{
    namespace Key = Constants::SettingsKey;
    const Kivo::Settings settings(Kivo::Settings::MediaSettings);
    switch (settings.value(Key::ProxyType, ProxyType::None).toInt()) {
    case ProxyType::None:
        m_Form->noProxy->setChecked(true);
        break;
    case ProxyType::System:
        m_Form->systemProxy->setChecked(true);
        break;
    case ProxyType::Client:
        m_Form->qomxProxy->setChecked(true);
        break;
    default:
        break;
    }
    m_Form->proxyhostfield->setText(settings.value(Key::ProxyHttpServer).toString());
    m_Form->proxyportfield->setText(settings.value(Key::ProxyHttpPort).toString());
    m_Form->secureproxyhostfield->setText(settings.value(Key::ProxyHttpsServer).toString());
    m_Form->secureproxyportfield->setText(settings.value(Key::ProxyHttpsPort).toString());
    const bool ownProxy = m_Form->qomxProxy->isChecked();
    for (QWidget* field : {static_cast<QWidget*>(m_Form->proxyhostfield), static_cast<QWidget*>(m_Form->proxyportfield),
                           static_cast<QWidget*>(m_Form->secureproxyhostfield),
                           static_cast<QWidget*>(m_Form->secureproxyportfield)})
        field->setEnabled(ownProxy);
}

void PreferencesWidget::fitSoundEventsList()
{
    QListWidget* list = m_Form->soundEventsWidget;
    if (list->count() == 0 || Utils::WindowManager::availableGeometry().height() <= SmallScreenHeight)
        return;
    const int rowHeight = qMax(13, list->item(0)->font().pointSize()) + 5;
    const int height = rowHeight * list->count() + 3;
    list->setMinimumHeight(height);
    list->setMaximumHeight(height);
}

} // namespace Widgets
