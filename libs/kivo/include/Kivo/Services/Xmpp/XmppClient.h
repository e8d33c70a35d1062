#pragma once

#include <QXmppClient.h>

#include <QPointer>
#include <QString>
#include <QStringList>

namespace Kivo {
namespace Simulation {
class Service;
}
namespace Services {
namespace Xmpp {

class XmppDebugStream;

// The session's XMPP client. Here its stream is the simulated service: what the service
// sends and receives for the user passes through as stanzas and is logged as a real
// stream's traffic would be (logMessage). The stock library has no way to inject traffic,
// so the client offers a debug stream for that through xmppStreamForDebugConsole(),
// reached by name so that the console builds against the stock library.
class XmppClient : public QXmppClient
{
    Q_OBJECT

public:
    // Scripts beyond this size are not played.
    static constexpr int MaxScriptSize = 1024 * 1024;

    explicit XmppClient(Simulation::Service* service, QObject* parent = nullptr);
    ~XmppClient() override;

    Q_INVOKABLE QObject* xmppStreamForDebugConsole() const;
    // The user's own address on the service; empty while nobody is signed in.
    QString ownJid() const;
    // The stream came up: the client asks for what a client asks for at start.
    void streamStarted();

    // Logs a stanza as the stream's traffic, and acts on it as the service would.
    void sendStanza(const QString& xml);
    void receiveStanza(const QString& xml);
    void logTraffic(bool sent, const QString& xml);
    void logWarning(const QString& text) { warning(text); }
    void logInfo(const QString& text) { info(text); }

private:
    void onChatMessage(const QString& from, const QString& text);
    void onPresenceChanged(int contactId, int presence, const QString& note);
    void onOwnPresenceChanged(int presence);
    void onVCardReady(const QString& jid, const QString& fullName, const QString& roomChat);
    // Whether the service event named `key` answers an injected stanza, which is logged already.
    bool echoOfInjected(const QString& key);
    // Whether anything reads the stream's traffic (a console, a logger that logs): a long
    // message's stanza costs more to build than the message costs to show.
    bool trafficRead();

    QPointer<Simulation::Service> m_Service;
    XmppDebugStream* m_DebugStream;
    // Injected stanzas come back from the service as its events; logged once, not twice.
    QStringList m_Injected;
};

// Injects traffic into the client's stream: stanzas as if the client had sent or received
// them, or a script of such steps. Anything that is not well-formed XML is refused with a
// warning in the log.
class XmppDebugStream : public QObject
{
    Q_OBJECT

public:
    explicit XmppDebugStream(XmppClient* client);

public slots:
    void emulateSentData(const QString& data);
    void emulateReceivedData(const QString& data);
    // A script is an XML document <script> whose <send> and <receive> children each hold
    // stanzas, played in order.
    void emulateScriptedData(const QString& name, const QString& data);

private:
    XmppClient* m_Client;
};

} // namespace Xmpp
} // namespace Services
} // namespace Kivo
