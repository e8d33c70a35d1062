#pragma once

#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Sessions/SubSession.h>
#include <Kivo/Vyx/VyxComponent.h>
#include <Kivo/Vyx/VyxErrorInfo.h>

#include <QAbstractListModel>
#include <QList>
#include <QPointer>

namespace Kivo {
namespace Actions {
class WebcollabEnabler;
}
} // namespace Kivo

namespace Models {

// The service-availability warnings of the main window's banner, at most one per kind, as
// the signed-in session, its directories, its history and the engine's enablers report
// them. "More" on a row shows the long text; credential warnings lead to the preferences.
class ErrorInfoModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum ErrorKind
    {
        NetworkLost = 0,
        CallsUnavailable = 1,
        ChatUnavailable = 2,
        ServerServicesUnavailable = 3,
        HistoryRetrievalFailed = 4,
        DesktopShareError = 7,
        LdapCredentialError = 8,
        OutlookNotDetected = 9,
        EmergencyCallsUnavailable = 10,
        ContactListReadOnly = 11,
        NoNewCommunications = 12
    };
    Q_ENUM(ErrorKind)

    // Configuration items that decide texts and warnings.
    static constexpr int CallSettingsItem = 191;
    static constexpr int CallFromPhoneItem = 388;
    static constexpr int DesktopShareCredentialsHiddenItem = 300;
    static constexpr int EmergencyWarningItem = 160;
    static constexpr int EmergencyCallsSupportedItem = 159;
    // The preferences page of the credentials.
    static constexpr int CredentialsPage = 3;

    ErrorInfoModel(Kivo::Sessions::SessionManagerBase* session, Kivo::Actions::WebcollabEnabler* webcollabEnabler,
                   QObject* parent = nullptr);
    ~ErrorInfoModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // Qt::DisplayRole: the banner's title; Qt::StatusTipRole: the long text of "More".
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    void preferenceActivated(int tab = 0);

public slots:
    void showExtendedInfo(int row);
    void allowedToStartNewCommsSessionChanged();

protected slots:
    bool isSessionAvailable(const Kivo::Sessions::SubSession* subSession);
    void updateSessionStatuses();
    void reconnectionStateChanged(Kivo::Sessions::SessionManagerBase* session, bool reconnecting);
    void contactsReadOnlyChanged(bool readOnly);
    void vyxCallLogsReceived();
    void vyxCallLogsRetrievalFailed(Kivo::Vyx::VyxComponent::Error error, const Kivo::Vyx::VyxErrorInfo& info);
    void ldapQueryAuthenticationFailed();
    void ldapQueryAuthenticationFixed();
    void outlookFeatureChanged();
    void webCollabAuthorizationChanged();
    void openPreferences();

protected:
    bool event(QEvent* event) override;

private:
    struct ErrorData
    {
        int kind = NetworkLost;
        QString title;
        QString description;
        QPointer<QWidget> window;
        int opensPreferences = 0;
    };

    // A sub-session not started counts as available.
    static bool subSessionAvailable(const Kivo::Sessions::SubSession* subSession);
    ErrorData filled(int kind) const;
    void fillTexts(ErrorData& data) const;
    void addData(const ErrorData& data);
    void removeData(int kind);
    void clearAllNetworkRelatedData();
    QList<ErrorData> getCreateMissingServices() const;
    void getCreateMissingLDAPServices(QList<ErrorData>& list) const;
    void getCreateMissingOutlookServices(QList<ErrorData>& list) const;
    void getCreateMissingDesktopShareServices(QList<ErrorData>& list) const;
    void connectLdapSignals();
    bool serverServicesAvailable() const;
    bool configItem(int item) const;
    Kivo::Sessions::SubSession* subSession(Kivo::Sessions::SubSession::Type type) const;
    int indexOf(int kind) const;

    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    bool m_NetworkLost = false;
    QList<ErrorData> m_Rows;
    QPointer<Kivo::Actions::WebcollabEnabler> m_WebcollabEnabler;
};

} // namespace Models
