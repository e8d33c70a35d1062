// The participants pane, the contact search and the window's pop-up menus.
#include "libqml/components/communications_window/communications_window.h"

#include "Providers/factory.h"
#include "Providers/profile_picture_helper.h"
#include "Utils/Actions/communications_window_menu_actions.h"
#include "Utils/myroom_helper.h"
#include "Utils/participant_menu_actions.h"
#include "Utils/participant_selection_handler.h"
#include "Utils/text_field_actions_handler.h"
#include "Utils/windowmanager.h"
#include "common/assertions.h"
#include "common/config_flag.h"
#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/components/contactmouseover/contact_mouse_over.h"
#include "libqml/window/qml_view.h"

#include <Kivo/Actions/Provider.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Contacts/Properties.h>
#include <Kivo/Data/CommsSessionParticipant.h>
#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/Models/CommsSessionParticipantsSort.h>
#include <Kivo/Models/Helper.h>
#include <Kivo/Models/SearchFilter.h>
#include <Kivo/Models/SelectionHandler.h>
#include <Kivo/MyRoom/MeetMeVyxActionsHandler.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QItemSelectionModel>
#include <QMenu>
#include <QQmlContext>

#include <algorithm>
#include <iterator>

namespace QML {

namespace {

using Kivo::Data::CommsSessionParticipant;

enum ConfigItem
{
    // The rooms' audio runs on the service's conference bridge, which the owner moderates.
    RoomsUseQvd = 61,
    MyRoomModeratorPinHidden = 63
};

constexpr const char* ParticipantsScene = "qrc:/windows/CommunicationsWindow/LeftPane/ParticipantsPane.qml";

} // namespace

void CommunicationsWindow::setParticipants(Kivo::Models::CommsSessionParticipants* model)
{
    ASSERT_RETURN(m_Session);
    ASSERT_RETURN(model && m_ParticipantsSort && m_Participants);
    if (qobject_cast<Kivo::Models::CommsSessionParticipants*>(m_ParticipantsSort->sourceModel()) == model)
        return;
    m_ParticipantsSort->setSourceModel(model);
    m_ParticipantsSort->sort(0, Qt::AscendingOrder);
    m_Participants->setSourceModel(m_ParticipantsSort);
    emit participantsChanged();

    // Another conversation's list (a chat grown into a group) starts with a selection of its own.
    QItemSelectionModel* previous = m_Participants->selectionModel();
    delete m_ParticipantSelectionHandler;
    delete previous;
    auto* selection = new QItemSelectionModel(m_Participants, this);
    m_ParticipantSelectionHandler = new Utils::ParticipantSelectionHandler(m_Participants, selection, this);
    m_Participants->setSelectionModel(selection);

    QQmlContext* context = m_ParticipantsPane->rootContext();
    context->setContextProperty(QStringLiteral("participantSelectionHandler"), m_ParticipantSelectionHandler);
    context->setContextProperty(QStringLiteral("participantActions"), m_ParticipantMenuActions);
    m_ParticipantsPane->setSource(QUrl(QLatin1String(ParticipantsScene)));

    const Kivo::Configuration::Config* config = m_SessionManager ? m_SessionManager->getConfig() : nullptr;
    if (m_Session->isOwnMyRoomSession() || (Common::configFlag(config, RoomsUseQvd) && m_Session->isSessionOwner())) {
        CHECKED_CONNECT(model, SIGNAL(errorReceived(Kivo::MyRoom::MeetMeErrorType)), this,
                        SLOT(onMeetMeErrorReceived(Kivo::MyRoom::MeetMeErrorType)));
        if (m_ParticipantMenuActions) {
            m_ParticipantMenuActions->setMeetMeVyxActionsHandler(model->getMeetMeVyxActionsHandler());
            CHECKED_CONNECT(model, SIGNAL(vyxActionsHandlerChanged(Kivo::MyRoom::MeetMeVyxActionsHandler*)),
                            m_ParticipantMenuActions,
                            SLOT(setMeetMeVyxActionsHandler(Kivo::MyRoom::MeetMeVyxActionsHandler*)));
        }
    }
    if (m_ParticipantMenuActions)
        m_ParticipantMenuActions->setParticipantsModel(model);
}

QString CommunicationsWindow::getMyRoomInfo()
{
    const Kivo::Configuration::Config* config = m_SessionManager ? m_SessionManager->getConfig() : nullptr;
    const bool moderatorPinHidden = Common::configFlag(config, MyRoomModeratorPinHidden);
    const bool roomsUseQvd = Common::configFlag(config, RoomsUseQvd);
    const Kivo::Contacts::IContact* contact = sessionContact();
    return contact ? Utils::MyRoomHelper::myRoomInfoText(contact, moderatorPinHidden, roomsUseQvd, true) : QString();
}

void CommunicationsWindow::searchTextChanged(const QString& text)
{
    if (!m_ContactModel) {
        LOG_ERROR << "Searching without m_SearchFilter.";
        return;
    }
    // Typed text is matched as it stands: a number such as "+4930" or "(030" is no pattern.
    m_ContactModel->setSearchText(text);
}

QStringList CommunicationsWindow::contactNumberChoices(int contactId) const
{
    const auto contacts = m_SessionManager ? m_SessionManager->contactsManager()
                                           : Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>();
    return numberChoices(contacts && contactId >= 0 ? contacts->getContact(contactId) : nullptr);
}

QStringList CommunicationsWindow::numberChoices(const Kivo::Contacts::IContact* contact)
{
    if (!contact)
        return {};
    using Kivo::Contacts::Properties::Key;
    const auto number = [contact](Key key) { return contact->getProperty(key).toString().trimmed(); };
    const QString address = contact->getAddress().trimmed();
    QString user = address;
    if (user.startsWith(QLatin1String("sip:"), Qt::CaseInsensitive))
        user = user.mid(4);
    user = user.section(QLatin1Char('@'), 0, 0);
    QStringList choices;
    const Key phoneKeys[] = {Key::WorkNumber, Key::MobileNumber, Key::HomeNumber};
    const bool numberHoldsAddress =
        !user.isEmpty() && std::any_of(std::begin(phoneKeys), std::end(phoneKeys), [&](Key key) {
            return number(key).contains(user, Qt::CaseInsensitive);
        });
    if (!address.isEmpty() && !numberHoldsAddress)
        choices.append(address);
    const QString separator = QStringLiteral(": ");
    const struct
    {
        Key key;
        const char* label;
    } numbers[] = {{Key::WorkNumber, QT_TR_NOOP("Work%1%2")},
                   {Key::Extension, QT_TR_NOOP("Extension%1%2")},
                   {Key::MobileNumber, QT_TR_NOOP("Mobile%1%2")},
                   {Key::HomeNumber, QT_TR_NOOP("Personal%1%2")}};
    for (const auto& entry : numbers) {
        const QString value = number(entry.key);
        if (!value.isEmpty())
            choices.append(tr(entry.label).arg(separator, value));
    }
    return choices;
}

void CommunicationsWindow::addParticipantClicked(const QString& number, int contactId)
{
    emit addParticipant(m_Session, number, contactId);
}

void CommunicationsWindow::primarySortFieldChanged()
{
    if (m_ParticipantsSort)
        m_ParticipantsSort->changePrimarySortField(Kivo::Models::Helper::primarySortFieldFromSettings());
    emit ownNameChanged();
}

void CommunicationsWindow::showParticipantPopupMenu(const QList<QObject*>& participants)
{
    if (!m_Session || !m_ParticipantMenuActions)
        return;
    QList<CommsSessionParticipant*> selected;
    for (QObject* object : participants) {
        if (auto* participant = qobject_cast<CommsSessionParticipant*>(object))
            selected.append(participant);
    }
    openMenu(m_ParticipantMenuActions->addParticipantMenuActions(m_Session, selected));
}

void CommunicationsWindow::showOwnParticipantPopupMenu(const QString& selectedText)
{
    if (!m_Session || !m_ParticipantMenuActions)
        return;
    m_OwnParticipantMenu = new QMenu;
    m_ParticipantMenuActions->addOwnParticipantMenuActions(m_OwnParticipantMenu, m_Session, selectedText);
    CHECKED_CONNECT(m_OwnParticipantMenu, SIGNAL(destroyed()), this, SIGNAL(ownParticipantMenuVisibleChanged()),
                    Qt::QueuedConnection);
    emit ownParticipantMenuVisibleChanged();
    openMenu(m_OwnParticipantMenu);
}

void CommunicationsWindow::showOptionsMenu()
{
    m_OptionsMenu = m_MenuActions ? m_MenuActions->createOptionsMenu() : nullptr;
    if (m_OptionsMenu)
        CHECKED_CONNECT(m_OptionsMenu, SIGNAL(destroyed()), this, SIGNAL(optionsMenuVisibleChanged()),
                        Qt::QueuedConnection);
    emit optionsMenuVisibleChanged();
    openMenu(m_OptionsMenu);
}

void CommunicationsWindow::openTextFieldMenu()
{
    if (!m_TextFieldActionsHandler)
        return;
    auto* menu = new QMenu;
    menu->addActions(m_TextFieldActionsHandler->createMenu(menu, false));
    openMenu(menu);
}

QMenu* CommunicationsWindow::callClassificationsMenu()
{
    auto* menu = new QMenu;
    connect(menu, &QMenu::triggered, this, &CommunicationsWindow::callClassificationsMenuTriggered);
    return menu;
}

void CommunicationsWindow::callClassificationsMenuTriggered(QAction* action)
{
    if (!action || !m_Session)
        return;
    const QString data = action->data().toString();
    m_Session->setCurrentCallSecurityClassification(data.isEmpty() ? action->text() : data);
}

void CommunicationsWindow::showParticipantMouseOver(const QVariant& participant)
{
    if (QApplication::activeWindow() != this)
        return;
    auto* shown = qobject_cast<CommsSessionParticipant*>(participant.value<QObject*>());
    if (!shown)
        return;
    const QPoint cursor = QCursor::pos();
    const QRect area = Utils::WindowManager::availableGeometryAt(cursor);

    if (m_ParticipantMouseOver)
        m_ParticipantMouseOver->deleteLater();
    // A tool tip of the window's own: it goes with the window.
    m_ParticipantMouseOver = new ContactMouseOver(m_Factory, this);
    m_ParticipantMouseOver->activate();
    m_ParticipantMouseOver->setOwner(this);
    m_ParticipantMouseOver->rootContext()->setContextProperty(
        QStringLiteral("profilePictureHelper"), m_Factory ? m_Factory->profilePictureHelper() : nullptr);
    m_ParticipantMouseOver->setContact(shown->getContact());
    m_ParticipantMouseOver->setAffiliation(shown->getChatAffiliation());
    connect(shown, &CommsSessionParticipant::chatAffiliationChanged, m_ParticipantMouseOver.data(),
            &ContactMouseOver::setAffiliation);
    m_ParticipantMouseOver->move(participantCardPosition(m_ParticipantMouseOver->size(), cursor, area));
    m_ParticipantMouseOver->show();
}

QPoint CommunicationsWindow::participantCardPosition(const QSize& card, const QPoint& cursor, const QRect& area)
{
    // The area's far edges, not its size: a screen right of or below another starts past 0.
    const int right = area.left() + area.width();
    const int bottom = area.top() + area.height();
    QPoint place(cursor.x() + ContactMouseOver::CursorMargin, cursor.y());
    if (cursor.x() + ContactMouseOver::CursorMargin + card.width() > right)
        place.setX(cursor.x() - card.width() - ContactMouseOver::CursorMargin);
    if (cursor.y() + card.height() > bottom)
        place.setY(cursor.y() - card.height());
    return place;
}

void CommunicationsWindow::hideParticipantMouseOver()
{
    if (m_ParticipantMouseOver)
        m_ParticipantMouseOver->deleteLater();
    m_ParticipantMouseOver = nullptr;
}

void CommunicationsWindow::triggerParticipantAction(const QVariant& participant, int actionId)
{
    auto* chosen = qobject_cast<CommsSessionParticipant*>(participant.value<QObject*>());
    if (!chosen || !m_ParticipantActionsProvider)
        return;
    m_ParticipantActionsProvider->setActionSource(chosen->getContact());
    m_ParticipantActionsProvider->triggerAction(actionId);
}

} // namespace QML
