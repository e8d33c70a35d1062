#include "Models/error_info_model.h"

#include "common/connect_check.h"
#include "common/logging.h"
#include "Dialogs/message_window.h"
#include "Utils/qobject_language_change.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Enabler.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/OutlookCalendar.h>
#include <Kivo/Controllers/Search/LdapContactSearch.h>
#include <Kivo/Controllers/Search/OutlookContactSearch.h>
#include <Kivo/Presence/IPresenceController.h>
#include <Kivo/Vyx/VyxCallHistoryController.h>

#include <QEvent>

namespace Models {

namespace {

using Kivo::Sessions::SubSession;

} // namespace

ErrorInfoModel::ErrorInfoModel(Kivo::Sessions::SessionManagerBase* session,
                               Kivo::Actions::WebcollabEnabler* webcollabEnabler, QObject* parent)
    : QAbstractListModel(parent)
    , m_Session(session)
    , m_WebcollabEnabler(webcollabEnabler)
{
    LOG_DEBUG << "Constructing the warning banner model";
    if (session) {
        CHECKED_CONNECT(session,
                        SIGNAL(subSessionStateChanged(Kivo::Sessions::SessionManagerBase*,
                                                      const Kivo::Sessions::SubSession*,
                                                      Kivo::Sessions::SubSession::State)),
                        this, SLOT(updateSessionStatuses()));
        CHECKED_CONNECT(session, SIGNAL(reconnectionStateChanged(Kivo::Sessions::SessionManagerBase*, bool)), this,
                        SLOT(reconnectionStateChanged(Kivo::Sessions::SessionManagerBase*, bool)));
        if (Kivo::Vyx::VyxCallHistoryController* history = session->vyxCallHistoryController()) {
            CHECKED_CONNECT(history, SIGNAL(vyxCallLogsReceived(const Kivo::Vyx::TimeLineInfoList&)), this,
                            SLOT(vyxCallLogsReceived()));
            CHECKED_CONNECT(history,
                            SIGNAL(vyxCallLogsRetrievalFailed(Kivo::Vyx::VyxComponent::Error,
                                                              const Kivo::Vyx::VyxErrorInfo&)),
                            this,
                            SLOT(vyxCallLogsRetrievalFailed(Kivo::Vyx::VyxComponent::Error,
                                                            const Kivo::Vyx::VyxErrorInfo&)));
        }
        connectLdapSignals();
        if (Kivo::Controllers::OutlookCalendar* calendar = session->outlookCalendar()) {
            CHECKED_CONNECT(calendar, SIGNAL(outlookDetectionFinished()), this, SLOT(outlookFeatureChanged()));
            CHECKED_CONNECT(calendar, SIGNAL(outlookCalendarChecked(bool)), this, SLOT(outlookFeatureChanged()));
        }
        if (Kivo::Controllers::Search::OutlookContactSearch* outlook = session->outlookContactSearch()) {
            CHECKED_CONNECT(outlook, SIGNAL(outlookDetectionFinished()), this, SLOT(outlookFeatureChanged()));
            CHECKED_CONNECT(outlook, SIGNAL(outlookSearchChecked(bool)), this, SLOT(outlookFeatureChanged()));
        }
        if (const Kivo::Contacts::Contacts* contacts = session->contactsManager().data())
            CHECKED_CONNECT(contacts, SIGNAL(readOnlyChanged(bool)), this, SLOT(contactsReadOnlyChanged(bool)));
        // Connected once: every "More" window that leads to the preferences goes through it.
        if (QObject* relay = session->commsSessionController())
            CHECKED_CONNECT(this, SIGNAL(preferenceActivated(int)), relay, SIGNAL(preferenceActivated(int)));
    }
    if (webcollabEnabler)
        CHECKED_CONNECT(webcollabEnabler, SIGNAL(enable(const Kivo::Actions::Enabler*)), this,
                        SLOT(webCollabAuthorizationChanged()));
    Utils::QObjectLanguageChange::registerObject(this);
    webCollabAuthorizationChanged();
}

ErrorInfoModel::~ErrorInfoModel()
{
    LOG_DEBUG << "Destroying the warning banner model";
}

void ErrorInfoModel::connectLdapSignals()
{
    if (Kivo::Controllers::Search::LdapContactSearch* ldap = m_Session->ldapContactSearch()) {
        CHECKED_CONNECT(ldap, SIGNAL(authFailed()), this, SLOT(ldapQueryAuthenticationFailed()));
        CHECKED_CONNECT(ldap, SIGNAL(authSuccess()), this, SLOT(ldapQueryAuthenticationFixed()));
    }
}

int ErrorInfoModel::rowCount(const QModelIndex&) const
{
    return m_Rows.size();
}

QVariant ErrorInfoModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_Rows.size())
        return QVariant();
    const ErrorData& row = m_Rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.title;
    case Qt::StatusTipRole:
        return row.description;
    default:
        return QVariant();
    }
}

bool ErrorInfoModel::configItem(int item) const
{
    const Kivo::Configuration::Config* config = m_Session ? m_Session->getConfig() : nullptr;
    return config && config->value(item).toBool();
}

SubSession* ErrorInfoModel::subSession(SubSession::Type type) const
{
    if (!m_Session)
        return nullptr;
    for (SubSession* sub : m_Session->subSessions()) {
        if (sub->getType() == type)
            return sub;
    }
    return nullptr;
}

int ErrorInfoModel::indexOf(int kind) const
{
    for (int row = 0; row < m_Rows.size(); ++row) {
        if (m_Rows.at(row).kind == kind)
            return row;
    }
    return -1;
}

void ErrorInfoModel::fillTexts(ErrorData& data) const
{
    switch (data.kind) {
    case NetworkLost:
        data.title = tr("Network connection lost");
        data.description = tr("All network based features are unavailable. Please check your network connection.");
        break;
    case CallsUnavailable:
        data.title = tr("Calls unavailable");
        data.description =
            tr("Calling is unavailable. Please check your network connection and ensure that SIP is allowed.");
        break;
    case ChatUnavailable:
        data.title = tr("Chat unavailable");
        data.description =
            tr("Chat is unavailable. Please check your network connection and ensure that XMPP is allowed.");
        break;
    case ServerServicesUnavailable:
        if (configItem(CallSettingsItem)) {
            data.title = tr("Some events are unavailable");
            data.description =
                tr("Call settings and calling from phone is unavailable. Please check your network connection.");
        } else if (configItem(CallFromPhoneItem)) {
            data.title = tr("Calling from phone unavailable");
            data.description = tr("Calling from phone is unavailable. Please check your network connection and "
                                  "ensure that your account is properly provisioned.");
        } else {
            data.title.clear();
            data.description.clear();
        }
        break;
    case HistoryRetrievalFailed:
        data.title = tr("Error retrieving history");
        data.description = tr("Unable to retrieve updated call logs. Please check your network connection.");
        break;
    case DesktopShareError:
        if (m_WebcollabEnabler && m_WebcollabEnabler->hasConnectionFailed()) {
            data.title = tr("Desktop share unavailable");
            data.description = tr("Unable to start desktop share. Please try again later. If the problem persists, "
                                  "please contact your service provider.");
            data.opensPreferences = 0;
        } else if (configItem(DesktopShareCredentialsHiddenItem)) {
            data.title = tr("Desktop share credential error");
            data.description = tr("Your Desktop Share credentials seem to be unavailable or invalid.");
            data.opensPreferences = 0;
        } else {
            data.title = tr("Desktop share credential error");
            data.description = tr("Your Desktop Share credentials seem to be unavailable or invalid. You can update "
                                  "your credentials from the Preferences.");
            data.opensPreferences = 1;
        }
        break;
    case LdapCredentialError:
        data.title = tr("Corporate directory credential error");
        data.description = tr("Your LDAP credentials seem to be unavailable or invalid. You can update your "
                              "credentials from the Preferences.");
        data.opensPreferences = 1;
        break;
    case OutlookNotDetected:
        data.title = tr("Outlook not detected");
        data.description =
            tr("There was an error locating Microsoft Outlook on your system. If you have Outlook installed, please "
               "exit and restart your client. If you do not have Outlook installed, you can disable Outlook features "
               "via Preferences.");
        break;
    case EmergencyCallsUnavailable:
        data.title = tr("Emergency calls unavailable");
        data.description = tr("Emergency calls are not supported. Please use another phone.");
        break;
    case ContactListReadOnly:
        data.title = tr("Contact list version mismatch");
        data.description = tr("Contact list version mismatch - contact list is read only.");
        break;
    case NoNewCommunications:
        data.title = tr("No new communications allowed");
        data.description = tr("The maximum amount of communication windows has been reached. Please close some to "
                              "open new ones.");
        break;
    default:
        break;
    }
}

ErrorInfoModel::ErrorData ErrorInfoModel::filled(int kind) const
{
    ErrorData data;
    data.kind = kind;
    fillTexts(data);
    return data;
}

bool ErrorInfoModel::isSessionAvailable(const SubSession* subSession)
{
    return subSessionAvailable(subSession);
}

bool ErrorInfoModel::subSessionAvailable(const SubSession* subSession)
{
    if (!subSession->isStarted())
        return true;
    if (subSession->isReconnecting())
        return false;
    switch (subSession->getState()) {
    case SubSession::Idle:
    case SubSession::Connecting:
    case SubSession::Failed:
        return false;
    default:
        return true;
    }
}

bool ErrorInfoModel::serverServicesAvailable() const
{
    const SubSession* server = subSession(SubSession::Vyx);
    if (!server || !server->isEnabled() || (!configItem(CallFromPhoneItem) && !configItem(CallSettingsItem)))
        return true;
    return !m_NetworkLost && subSessionAvailable(server);
}

QList<ErrorInfoModel::ErrorData> ErrorInfoModel::getCreateMissingServices() const
{
    QList<ErrorData> wanted;
    const Kivo::Controllers::IPresenceController* presence = m_Session ? m_Session->presenceController() : nullptr;
    const SubSession* chat = subSession(SubSession::Xmpp);
    const SubSession* calls = subSession(SubSession::Sip);
    const bool chatFine = (presence && presence->getOfflineMode())
                          || (chat && (!chat->isEnabled() || subSessionAvailable(chat)));
    const bool callsFine = calls && (!calls->isEnabled() || subSessionAvailable(calls));
    const bool emergency = configItem(EmergencyWarningItem) && !configItem(EmergencyCallsSupportedItem);

    if (m_NetworkLost) {
        wanted.append(filled(NetworkLost));
    } else {
        if (!serverServicesAvailable()) {
            const ErrorData server = filled(ServerServicesUnavailable);
            if (!server.title.isEmpty())
                wanted.append(server);
        }
        if (!chatFine)
            wanted.append(filled(ChatUnavailable));
        if (!callsFine)
            wanted.append(filled(CallsUnavailable));
        if (emergency)
            wanted.append(filled(EmergencyCallsUnavailable));
        getCreateMissingDesktopShareServices(wanted);
        getCreateMissingLDAPServices(wanted);
    }
    getCreateMissingOutlookServices(wanted);
    const Kivo::Contacts::Contacts* contacts = m_Session ? m_Session->contactsManager().data() : nullptr;
    if (contacts && contacts->isReadOnly())
        wanted.append(filled(ContactListReadOnly));
    return wanted;
}

void ErrorInfoModel::getCreateMissingDesktopShareServices(QList<ErrorData>& list) const
{
    if (m_WebcollabEnabler
        && (m_WebcollabEnabler->hasAuthorizationFailed() || m_WebcollabEnabler->hasConnectionFailed()))
        list.append(filled(DesktopShareError));
}

void ErrorInfoModel::getCreateMissingLDAPServices(QList<ErrorData>& list) const
{
    const Kivo::Controllers::Search::LdapContactSearch* ldap = m_Session ? m_Session->ldapContactSearch() : nullptr;
    if (!ldap || !ldap->isChecked() || !ldap->getAuthenticationRequired())
        return;
    if (!ldap->getLdapCredentials()) {
        LOG_DEBUG << "Creating.";
        list.append(filled(LdapCredentialError));
    } else if (!ldap->getAuthState()) {
        LOG_DEBUG << "Appending.";
        ErrorData data = filled(LdapCredentialError);
        data.title = tr("Corporate Directory (LDAP) Error");
        list.append(data);
    }
}

void ErrorInfoModel::getCreateMissingOutlookServices(QList<ErrorData>& list) const
{
    const auto* search = m_Session ? m_Session->outlookContactSearch() : nullptr;
    const auto* calendar = m_Session ? m_Session->outlookCalendar() : nullptr;
    if ((search && search->isEnabled() && !search->isAvailable())
        || (calendar && calendar->isEnabled() && !calendar->isAvailable()))
        list.append(filled(OutlookNotDetected));
}

void ErrorInfoModel::updateSessionStatuses()
{
    if (!m_Session || m_Session->getState() != Kivo::Sessions::SessionManagerBase::SignedIn) {
        LOG_DEBUG << "Not operating. Returning.";
        return;
    }
    const QList<ErrorData> wanted = getCreateMissingServices();
    if (wanted.isEmpty() && m_Rows.isEmpty())
        return;
    for (int row = m_Rows.size() - 1; row >= 0; --row) {
        const ErrorData& data = m_Rows.at(row);
        LOG_DEBUG << "Looking for data: " << data.kind << " " << data.title;
        const bool found = std::any_of(wanted.begin(), wanted.end(),
                                       [&data](const ErrorData& want) { return want.kind == data.kind; });
        if (found) {
            LOG_DEBUG << "Found.";
        } else {
            LOG_DEBUG << "Did not find. Removing at " << row;
            removeData(data.kind);
        }
    }
    for (const ErrorData& data : wanted) {
        LOG_DEBUG << "Adding data: " << data.kind << " " << data.title;
        addData(data);
    }
}

void ErrorInfoModel::addData(const ErrorData& data)
{
    LOG_DEBUG << "Data: " << data.kind << " " << data.title;
    if (indexOf(data.kind) >= 0)
        return;
    LOG_DEBUG << "Did not find data. Adding.";
    beginInsertRows(QModelIndex(), m_Rows.size(), m_Rows.size());
    m_Rows.append(data);
    endInsertRows();
}

void ErrorInfoModel::removeData(int kind)
{
    LOG_DEBUG << "Removing data: " << kind;
    const int row = indexOf(kind);
    if (row < 0)
        return;
    LOG_DEBUG << "Found data at " << row;
    beginRemoveRows(QModelIndex(), row, row);
    const ErrorData removed = m_Rows.takeAt(row);
    if (removed.window)
        removed.window->close();
    endRemoveRows();
}

void ErrorInfoModel::clearAllNetworkRelatedData()
{
    for (int kind : {ServerServicesUnavailable, ChatUnavailable, CallsUnavailable, NetworkLost, DesktopShareError,
                     LdapCredentialError}) {
        LOG_DEBUG << "Clearing: " << kind;
        removeData(kind);
    }
}

void ErrorInfoModel::reconnectionStateChanged(Kivo::Sessions::SessionManagerBase*, bool reconnecting)
{
    m_NetworkLost = reconnecting;
    clearAllNetworkRelatedData();
    if (reconnecting)
        addData(filled(NetworkLost));
    else
        removeData(NetworkLost);
}

void ErrorInfoModel::contactsReadOnlyChanged(bool readOnly)
{
    if (readOnly)
        addData(filled(ContactListReadOnly));
    else
        removeData(ContactListReadOnly);
}

void ErrorInfoModel::vyxCallLogsReceived()
{
    removeData(HistoryRetrievalFailed);
}

void ErrorInfoModel::vyxCallLogsRetrievalFailed(Kivo::Vyx::VyxComponent::Error, const Kivo::Vyx::VyxErrorInfo&)
{
    addData(filled(HistoryRetrievalFailed));
}

void ErrorInfoModel::ldapQueryAuthenticationFailed()
{
    ErrorData data = filled(LdapCredentialError);
    data.title = tr("Corporate Directory (LDAP) Error");
    addData(data);
}

void ErrorInfoModel::ldapQueryAuthenticationFixed()
{
    removeData(LdapCredentialError);
}

void ErrorInfoModel::outlookFeatureChanged()
{
    QList<ErrorData> wanted;
    getCreateMissingOutlookServices(wanted);
    if (wanted.isEmpty())
        removeData(OutlookNotDetected);
    for (const ErrorData& data : qAsConst(wanted))
        addData(data);
}

void ErrorInfoModel::webCollabAuthorizationChanged()
{
    QList<ErrorData> wanted;
    getCreateMissingDesktopShareServices(wanted);
    if (wanted.isEmpty())
        removeData(DesktopShareError);
    for (const ErrorData& data : qAsConst(wanted))
        addData(data);
}

void ErrorInfoModel::allowedToStartNewCommsSessionChanged()
{
    const auto* enabler = qobject_cast<const Kivo::Actions::Enabler*>(sender());
    if (!enabler)
        return;
    if (enabler->isEnabled(Kivo::Actions::Action::Call))
        removeData(NoNewCommunications);
    else
        addData(filled(NoNewCommunications));
}

void ErrorInfoModel::openPreferences()
{
    emit preferenceActivated(CredentialsPage);
}

void ErrorInfoModel::showExtendedInfo(int row)
{
    if (row < 0 || row >= m_Rows.size())
        return;
    ErrorData& data = m_Rows[row];
    if (auto* window = qobject_cast<Widgets::Window*>(data.window.data())) {
        window->showAndActivate();
        return;
    }
    const bool preferences = data.opensPreferences == 1;
    auto* window = new Dialogs::MessageWindow(nullptr, data.title, data.description, false,
                                              preferences ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                                          : QDialogButtonBox::Ok,
                                              false, false, false);
    data.window = window;
    window->showAndActivate();
    if (preferences)
        CHECKED_CONNECT(window, SIGNAL(messageAccepted(bool)), this, SLOT(openPreferences()));
}

bool ErrorInfoModel::event(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        for (int row = 0; row < m_Rows.size(); ++row) {
            ErrorData& data = m_Rows[row];
            fillTexts(data);
            emit dataChanged(index(row), index(row));
        }
    }
    return QAbstractListModel::event(event);
}

} // namespace Models
