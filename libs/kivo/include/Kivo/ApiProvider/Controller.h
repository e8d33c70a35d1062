#pragma once

#include <Kivo/MediaEngine/Call.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QObject>
#include <QPointer>
#include <QStringList>

class QAbstractItemModel;
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

enum ConnectorModelType
{
    AllConnectors = 0,
    NewConnectors = 1
};

// The client API through which add-ins (such as the desk-phone connector) drive the client.
// The stand-in offers no add-ins: the list of all connectors is empty and there is never a
// list of new ones.
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

private:
    QStandardItemModel* m_AllConnectors;
    bool m_Initialized = false;
    QPointer<Sessions::SessionManagerBase> m_Session;
};

} // namespace ApiProvider
} // namespace Kivo
