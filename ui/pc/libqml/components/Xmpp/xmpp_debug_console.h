#pragma once

#include "libqml/window/qml_window.h"

#include <QPointer>
#include <QXmppLogger.h>

class QXmppClient;

namespace QML {

// A diagnostic window over the session's XMPP traffic: every stanza sent and received, live;
// a stanza typed in can be injected as if sent or received, and a script file played into
// the stream.
class XmppDebugConsole : public Window
{
    Q_OBJECT

public:
    static constexpr const char* Scene = "qrc:/windows/XmppDebugConsole/XmppDebugConsole.qml";
    // Scripts beyond this size are refused before they are read.
    static constexpr qint64 MaxScriptSize = 1024 * 1024;

    XmppDebugConsole(QXmppClient* client, QWidget* parent = nullptr);

    // Loads the scene and connects it to the client's stream; shows the window when ready.
    bool connectAndShow();

signals:
    void trafficUpdate(int message_type, QString text);
    void runScritpData(QString name, QString data);

public slots:
    void handleTrafficUpdate(QXmppLogger::MessageType mestype, QString text);
    void closeOnSignOut();
    void openScript();
    void runScript(QString file);

private:
    QPointer<QXmppClient> m_Client;
};

} // namespace QML
