#pragma once

#include <QObject>
#include <QString>

namespace Kivo {
namespace Sessions {

// One service connection of the signed-in session (calls, chat, server interface).
class SubSession : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int type READ getType CONSTANT)
    Q_PROPERTY(int state READ getState NOTIFY stateChangedForQml)
    Q_PROPERTY(QString currentHost READ getCurrentHost NOTIFY currentHostChanged)

public:
    enum Type { Sip = 0, Xmpp = 1, Vyx = 2 };
    Q_ENUM(Type)
    enum State { Idle = 0, Connecting = 1, Disconnecting = 2, Connected = 3, Failed = 4 };
    Q_ENUM(State)

    SubSession(Type type, const QString& host, QObject* parent = nullptr);

    int getType() const { return m_Type; }
    State getState() const { return m_State; }
    QString getCurrentHost() const { return m_CurrentHost; }
    bool isEnabled() const { return m_Enabled; }
    // Between start() and stop().
    bool isStarted() const { return m_Started; }
    // The connection broke while started and the engine tries to bring it back.
    bool isReconnecting() const { return m_Reconnecting; }

    void setEnabled(bool enabled) { m_Enabled = enabled; }
    void setCurrentHost(const QString& host);

public slots:
    void start();
    void stop();
    // The connection broke; start() brings it back.
    void fail();

signals:
    void stateChanged(const Kivo::Sessions::SubSession* session, Kivo::Sessions::SubSession::State state);
    void stateChangedForQml();
    void currentHostChanged();

private:
    void setState(State state);

    Type m_Type;
    State m_State = Idle;
    QString m_CurrentHost;
    bool m_Enabled = true;
    bool m_Started = false;
    bool m_Reconnecting = false;
};

} // namespace Sessions
} // namespace Kivo
