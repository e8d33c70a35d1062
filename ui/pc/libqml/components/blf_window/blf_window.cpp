#include "libqml/components/blf_window/blf_window.h"
#include "Dialogs/team_telephony_close_dialog.h"
#include "Providers/factory.h"
#include "Utils/blf_call_alert_handler.h"
#include "Utils/blf_contacts_drag_drop_handler.h"
#include "Utils/blf_selection_handler.h"
#include "Utils/communications_window_manager.h"
#include "Utils/window_manager_call_helper.h"
#include "common/assertions.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"
#include "libqml/window/qml_view.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/BlfController.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Models/BlfContactsSort.h>
#include <Kivo/Models/SelectionHandler.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QQmlContext>
#include <QScreen>

namespace QML {

namespace Key = Constants::SettingsKey;

namespace {

bool userSetting(const char* key)
{
    return Kivo::Settings(Kivo::Settings::UserSettings).value(key, true).toBool();
}

bool configItem(const Kivo::Sessions::SessionManagerBase* session, int item)
{
    const Kivo::Configuration::Config* config = session ? session->getConfig() : nullptr;
    return config && config->value(item).toBool();
}

} // namespace

BlfWindow::BlfWindow(QAbstractItemModel* monitoredContacts, Kivo::Sessions::SessionManagerBase* session,
                     QObject* menuHandler, Providers::Factory* factory,
                     Utils::CommunicationsWindowManager* commsManager, bool alwaysOnTop, bool transferByDrag,
                     QWidget* parent)
    : Window(alwaysOnTop, parent)
    , m_Session(session)
    , m_MenuHandler(menuHandler)
    , m_Factory(factory)
    , m_Sort(new Kivo::Models::BlfContactsSort(this))
    , m_AllowPickup(configItem(session, PickupItem))
{
    retranslate();

    const bool byFirstName =
        Kivo::Settings(Kivo::Settings::UserSettings).value(Key::ContactListSort).toString() == QLatin1String("first name");
    m_Sort->changePrimarySortField(byFirstName ? 0 : 1);
    m_Sort->setSourceModel(monitoredContacts);
    m_Sort->sort(0, Qt::AscendingOrder);

    m_SelectionModel = new Kivo::Models::SelectionHandler(m_Sort, Kivo::Models::SelectionHandler::ContactItem, this);
    auto* selection = new QItemSelectionModel(m_SelectionModel, this);
    m_SelectionHandler = new Utils::BlfSelectionHandler(m_SelectionModel, selection, this);
    m_SelectionModel->setSelectionModel(selection);

    m_DragDropHandler = new Utils::BlfContactsDragDropHandler(
        session ? session->commsSessionController() : nullptr,
        session ? session->contactsManager() : Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>(), transferByDrag,
        this);
    m_AlertHandler = new Utils::BlfCallAlertHandler(monitoredContacts, this);
    m_AlertHandler->initialize();

    // The team ring keeps quiet while the user's own ringer sounds.
    followIncomingRinger(commsManager ? commsManager->getCallHelper() : nullptr);
    CHECKED_CONNECT(m_AlertHandler, SIGNAL(blfAlert(bool)), this, SLOT(onAlertWindow(bool)));
    const auto followScreen = [this](QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, &BlfWindow::repositionOnDesktopResized);
    };
    for (QScreen* screen : QGuiApplication::screens())
        followScreen(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [this, followScreen](QScreen* screen) {
        followScreen(screen);
        repositionOnDesktopResized();
    });
    connect(qApp, &QGuiApplication::screenRemoved, this, &BlfWindow::repositionOnDesktopResized, Qt::QueuedConnection);

    QQmlContext* context = view()->rootContext();
    context->setContextProperty(QStringLiteral("blfSelectionModel"), m_SelectionModel);
    context->setContextProperty(QStringLiteral("blfSelectionHandler"), m_SelectionHandler);
    context->setContextProperty(QStringLiteral("blfContactsDragDropHandler"), m_DragDropHandler);
    loadQML(Scene);
}

BlfWindow::~BlfWindow()
{
    delete m_CloseDialog;
}

BlfWindow* BlfWindow::createBeside(QWidget* mainWindow, Kivo::Sessions::SessionManagerBase* session,
                                   QObject* menuHandler, Providers::Factory* factory,
                                   Utils::CommunicationsWindowManager* commsManager)
{
    ASSERT_RETURN_VALUE(mainWindow && session, nullptr);
    QAbstractItemModel* monitored = session->contactsManager()->getModel(Kivo::Contacts::Contacts::Monitored);
    // A window of its own that the main window owns: it goes with the main window, also at the
    // end of the program when no event loop is left to delete it later.
    auto* window = new BlfWindow(monitored, session, menuHandler, factory, commsManager,
                                 userSetting(Key::TeamTelephonyWindowAlwaysOnTop),
                                 configItem(session, TransferByDragItem), mainWindow);
    window->setWindowFlags(window->windowFlags() | Qt::Window);
    window->placeBeside(mainWindow->frameGeometry());
    window->applySettings();
    return window;
}

Dialogs::TeamTelephonyCloseDialog* BlfWindow::closeDialog() const
{
    return m_CloseDialog;
}

bool BlfWindow::followIncomingRinger(QObject* callHelper)
{
    if (!callHelper)
        return false;
    const bool playing = CHECKED_CONNECT(callHelper, SIGNAL(playingIncomingCallAlert()), m_AlertHandler,
                                         SLOT(incomingCallRingerPlaying()));
    const bool stopping = CHECKED_CONNECT(callHelper, SIGNAL(stoppingIncomingCallAlert()), m_AlertHandler,
                                          SLOT(incomingCallRingerStopped()));
    return playing && stopping;
}

void BlfWindow::retranslate()
{
    setTitle(tr("Team Telephony"));
}

QSize BlfWindow::minimumWindowSize() const
{
    return QSize(WindowWidth, MinimumRows * RowHeight);
}

QSize BlfWindow::maximumWindowSize() const
{
    return QSize(WindowWidth, MaximumRows * RowHeight);
}

void BlfWindow::applySettings()
{
    m_AlertHandler->preferencesChanged();
    if (userSetting(Key::ShowTeamTelephonyWindow))
        show();
    else
        hide();
    setAlwaysOnTop(userSetting(Key::TeamTelephonyWindowAlwaysOnTop));
}

void BlfWindow::hideWindow()
{
    Kivo::Settings(Kivo::Settings::UserSettings).setValue(Key::ShowTeamTelephonyWindow, false);
    applySettings();
}

void BlfWindow::handleCloseWindowEvent()
{
    if (!userSetting(Key::CloseTeamTelephonyWindow)) {
        hideWindow();
        return;
    }
    if (m_CloseDialog) {
        m_CloseDialog->showAndActivate();
        return;
    }
    m_CloseDialog = new Dialogs::TeamTelephonyCloseDialog(userSetting(Key::TeamTelephonyWindowAlwaysOnTop), nullptr);
    CHECKED_CONNECT(m_CloseDialog, SIGNAL(accepted()), this, SLOT(hideWindow()));
    m_CloseDialog->showAndActivate();
}

void BlfWindow::closeEvent(QCloseEvent* event)
{
    // The window only ever hides: it keeps following the lines while closed.
    event->ignore();
    handleCloseWindowEvent();
}

void BlfWindow::keyPressEvent(QKeyEvent* event)
{
    if ((event->modifiers() & Qt::ControlModifier) && (event->key() == Qt::Key_W || event->key() == Qt::Key_M)) {
        handleCloseWindowEvent();
        return;
    }
    Window::keyPressEvent(event);
}

void BlfWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Window::changeEvent(event);
}

void BlfWindow::onAlertWindow(bool alert)
{
    if (!alert) {
        if (!userSetting(Key::ShowTeamTelephonyWindow))
            hide();
        return;
    }
    const bool wanted = isVisible() ? userSetting(Key::BringTeamTelephonyWindowToFrontWhenRings)
                                    : userSetting(Key::OpenTeamTelephonyWindowWhenLineRings);
    if (wanted)
        showAndActivate();
}

QRect BlfWindow::availableGeometry() const
{
    QScreen* screen = m_MainFrame.isValid() ? QGuiApplication::screenAt(m_MainFrame.center()) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QPoint BlfWindow::clampedPosition(const QPoint& position, const QSize& size, const QRect& available)
{
    // The area's own edges: a screen beside or above the primary one does not start at 0.
    const int right = available.x() + available.width();
    const int bottom = available.y() + available.height();
    QPoint clamped = position;
    if (clamped.x() + size.width() > right)
        clamped.setX(right - size.width());
    if (clamped.x() < available.x())
        clamped.setX(available.x());
    if (clamped.y() + size.height() > bottom)
        clamped.setY(bottom - size.height());
    if (clamped.y() < available.y())
        clamped.setY(available.y());
    return clamped;
}

QPoint BlfWindow::besidePosition(const QRect& frame, const QSize& size, const QRect& available)
{
    QPoint position(frame.right() + 1, frame.top());
    if (position.x() + size.width() > available.x() + available.width())
        position.setX(frame.left() - size.width());
    return clampedPosition(position, size, available);
}

void BlfWindow::placeBeside(const QRect& frame)
{
    m_MainFrame = frame;
    placeBeside(frame, availableGeometry());
}

void BlfWindow::placeBeside(const QRect& frame, const QRect& available)
{
    if (isVisible())
        return;
    m_MainFrame = frame;
    move(besidePosition(frame, frameGeometry().size(), available));
}

void BlfWindow::repositionOnDesktopResized()
{
    move(clampedPosition(pos(), frameGeometry().size(), availableGeometry()));
}

void BlfWindow::setWindowHeight(int height)
{
    resize(width(), height);
    move(x(), clampedPosition(pos(), frameGeometry().size(), availableGeometry()).y());
}

void BlfWindow::moveSelection(bool up)
{
    m_SelectionHandler->moveSelection(up);
}

void BlfWindow::changePrimarySortField(int field)
{
    m_Sort->changePrimarySortField(field);
}

void BlfWindow::pickupBlfCall(QObject* contact)
{
    if (!m_Factory || !contact)
        return;
    using Kivo::Actions::Action;
    Kivo::Actions::Provider* provider = m_Factory->createActionsProvider(nullptr, true);
    provider->setAcceptedActions({Action::AnswerCall, Action::AnswerCallFromPhone}, true);
    provider->setActionSource(contact);
    const Action* answer = provider->getActionById(Action::AnswerCall);
    if (!answer || !answer->isEnabled())
        answer = provider->getActionById(Action::AnswerCallFromPhone);
    if (answer)
        provider->triggerAction(answer->getId());
    delete provider;
}

QString BlfWindow::getBlfAlertedContactTooltip(int blfContactId) const
{
    const Kivo::Contacts::BlfController* blf = m_Session ? m_Session->getBlfController() : nullptr;
    if (!blf || !configItem(m_Session, CallerNameItem))
        return QString();
    return blf->getBlfRemoteCallerName(blfContactId);
}

} // namespace QML
