#pragma once

#include <Kivo/MediaEngine/Call.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QAbstractItemModel;
class QStandardItem;
class QStandardItemModel;

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Contacts {
class Contacts;
}
namespace Sessions {
class SessionManagerBase;
}

namespace ApiProvider {

class AddinConnection;
class AddinServer;
class ConnectorData;
class CallTracker;
class SessionEvents;
struct AddinCommand;

enum ConnectorModelType
{
    AllConnectors = 0,
    NewConnectors = 1
};

// The client API through which add-ins (such as the desk-phone connector) drive the client.
// Add-ins connect to a per-user local socket. The user's policy decides who is served: only
// the maker's own add-ins unless others are allowed, and a new add-in waits among the new
// connectors until the user accepts or rejects it, unless the policy answers for the user.
// Every add-in let in is listed among all connectors while it is connected, and afterwards
// when the user has answered for it; the answer is kept for the next start.
class Controller : public QObject
{
    Q_OBJECT

public:
    explicit Controller(QObject* parent = nullptr);
    ~Controller() override;

    void InitializeController();
    bool isControllerInitialized() const { return m_Initialized; }
    // Serves the add-ins from the signed-in session; false when there is none to serve.
    bool Initialize(Utils::SharedPointer<Contacts::Contacts> contacts, Sessions::SessionManagerBase* session,
                    const Configuration::Config* config);
    // The session is ending: the add-ins get no more of it.
    void Uninitialize();
    Sessions::SessionManagerBase* session() const;
    // The connector list of the kind, or null when the controller has none of that kind.
    QAbstractItemModel* getModel(ConnectorModelType type) const;
    QAbstractItemModel* getModel(int type) const { return getModel(static_cast<ConnectorModelType>(type)); }

public slots:
    void preferencesChanged();
    void languageChanged();
    void clearLogs();

signals:
    void showClientWindowCommand();
    void callVoicemail();
    void setPresence(int presence);
    void setFreeText(const QString& text);
    // Requests of an add-in; addresses are the service's addresses or phone numbers.
    void createCall(const QStringList& addresses, bool video);
    void createChat(const QStringList& addresses);
    void createMyRoomSession(const QString& call, const QString& chat, const QString& webcollab);
    void createWebCollabSession(const QStringList& addresses);
    void activateSession(const Kivo::MediaEngine::Call& call);
    // Call commands of an add-in; the controller also applies them to the session's calls.
    void answerCallCommand();
    void hangupCallCommand();
    void holdCallCommand(bool hold);
    void muteCallCommand(bool mute);
    void callVolumeCommand(bool up);
    void dtmfCommand(QChar code);

private:
    // Add-in handling (controller_addins.cpp).
    void startAddinServer();
    void onAddinCommand(AddinConnection* connection, const AddinCommand& command);
    void onConnectorIntroduced(AddinConnection* connection);
    void onConnectorLeft(AddinConnection* connection);
    void onConnectorDecided(QStandardItem* item, ConnectorData* connector);
    // Serves an add-in from now on.
    void admit(AddinConnection* connection, QStandardItem* item);
    void startCommunication(AddinConnection* connection, const AddinCommand& command);
    void serveSession(bool serve);
    // To one add-in, or to all when null.
    void tellLanguage(AddinConnection* connection);
    void tellClearLogs();

    QStandardItemModel* m_AllConnectors;
    // The rows of all connectors by the identity the add-in gave, and by its live link: the
    // links served, and those waiting for the user's decision.
    QHash<QString, QStandardItem*> m_ConnectorsByUuid;
    QHash<AddinConnection*, QStandardItem*> m_ConnectorsByLink;
    QHash<AddinConnection*, QStandardItem*> m_WaitingLinks;
    // The connectors still waiting for the user's decision.
    QAbstractItemModel* m_NewConnectors;
    AddinServer* m_AddinServer = nullptr;
    CallTracker* m_Calls = nullptr;
    SessionEvents* m_SessionEvents = nullptr;
    bool m_Initialized = false;
    QPointer<Sessions::SessionManagerBase> m_Session;
};

} // namespace ApiProvider
} // namespace Kivo
