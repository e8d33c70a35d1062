#pragma once

#include <QObject>
#include <QPointer>

namespace Kivo {
namespace Sessions {
class SessionManagerBase;
}
namespace Simulation {
class Service;
struct PresenceRuleRecord;
struct ServiceFailure;
} // namespace Simulation

namespace Services {

class PresenceRulesModel;

// Keeps the user's presence rules on the server: what happens to calls in each presence
// state. The transaction state tells how far the last load or save came.
class PresenceRulesHandler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject* model READ model CONSTANT)
    Q_PROPERTY(int state READ transactionState NOTIFY transactionStateChanged)
    Q_PROPERTY(bool xmppConnected READ isXmppConnected NOTIFY xmppConnectionChanged)

public:
    enum TransactionState
    {
        None = 0,
        Fetching = 1,
        Saved = 2,
        Saving = 3,
        ErrorSaving = 4,
        ErrorFetching = 5,
        Fetched = 6
    };
    Q_ENUM(TransactionState)

    PresenceRulesHandler(Sessions::SessionManagerBase* session, QObject* parent);
    PresenceRulesHandler(Simulation::Service* service, Sessions::SessionManagerBase* session, QObject* parent);
    ~PresenceRulesHandler() override;

    PresenceRulesModel* rulesModel() const { return m_Model; }
    QObject* model() const;
    int transactionState() const { return m_State; }
    void setTransactionState(int state);
    // The rules travel over the chat connection's server.
    bool isXmppConnected() const;

public slots:
    void requestPresenceRules();
    void setPresenceRules();
    // The chat connection came up or went down.
    void xmppConnectedChanged();

signals:
    void transactionStateChanged();
    void xmppConnectionChanged();

private:
    void onRulesReceived(int requestId, const QList<Simulation::PresenceRuleRecord>& rules);
    void onRequestFailed(int requestId, const Simulation::ServiceFailure& failure);

    QPointer<Simulation::Service> m_Service;
    QPointer<Sessions::SessionManagerBase> m_Session;
    PresenceRulesModel* m_Model;
    int m_State = None;
    int m_FetchRequest = 0;
    int m_SaveRequest = 0;
};

} // namespace Services
} // namespace Kivo
