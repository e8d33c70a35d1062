#include "libqml/components/Xmpp/xmpp_debug_console.h"

#include "Dialogs/file_dialog.h"
#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/window/qml_view.h"

#include <QFile>
#include <QFileInfo>
#include <QQuickItem>
#include <QTextCodec>
#include <QXmppClient.h>

namespace QML {

XmppDebugConsole::XmppDebugConsole(QXmppClient* client, QWidget* parent)
    : Window(false, parent)
    , m_Client(client)
{
    setTitle(tr("Debug Console"));
}

bool XmppDebugConsole::connectAndShow()
{
    const bool loaded = loadQML(QString::fromLatin1(Scene));
    QObject* stream = nullptr;
    if (m_Client)
        QMetaObject::invokeMethod(m_Client, "xmppStreamForDebugConsole", Q_RETURN_ARG(QObject*, stream));
    QQuickItem* root = view() ? view()->rootObject() : nullptr;
    bool ready = loaded && root && m_Client && stream;
    if (ready) {
        const bool connected[] = {
            bool(CHECKED_CONNECT(root, SIGNAL(sendData(QString)), stream, SLOT(emulateSentData(const QString&)))),
            bool(CHECKED_CONNECT(root, SIGNAL(receiveData(QString)), stream, SLOT(emulateReceivedData(const QString&)))),
            bool(CHECKED_CONNECT(root, SIGNAL(scriptedData()), this, SLOT(openScript()))),
            bool(CHECKED_CONNECT(this, SIGNAL(runScritpData(const QString&, const QString&)), stream,
                                 SLOT(emulateScriptedData(const QString&, const QString&)))),
            bool(CHECKED_CONNECT(m_Client, SIGNAL(logMessage(QXmppLogger::MessageType, QString)), this,
                                 SLOT(handleTrafficUpdate(QXmppLogger::MessageType, QString)))),
        };
        for (const bool made : connected)
            ready = ready && made;
        show();
    }
    LOG_INFO << "Xmpp debug console is " << (ready ? "ready." : "not ready") << " for action.";
    return ready;
}

void XmppDebugConsole::handleTrafficUpdate(QXmppLogger::MessageType mestype, QString text)
{
    emit trafficUpdate(mestype, text);
}

void XmppDebugConsole::closeOnSignOut()
{
    LOG_INFO << "App signed out, closing debug window.";
    close();
}

void XmppDebugConsole::openScript()
{
    LOG_INFO << "Open script";
    auto* chooser = new Dialogs::FileDialog(this, Dialogs::FileDialog::OpenAny);
    CHECKED_CONNECT(chooser, SIGNAL(fileSelected(const QString&)), this, SLOT(runScript(const QString&)));
    chooser->open();
}

void XmppDebugConsole::runScript(QString file)
{
    LOG_INFO << "run script: " << file;
    const QFileInfo info(file);
    if (!info.isFile() || info.size() == 0) {
        LOG_WARNING << "Not file or size 0";
        return;
    }
    if (info.size() > MaxScriptSize) {
        LOG_WARNING << "Script file too large: " << info.size() << " bytes";
        return;
    }
    QFile script(info.absoluteFilePath());
    if (!script.open(QIODevice::ReadOnly)) {
        LOG_WARNING << "Failed to open script file.";
        return;
    }
    const QByteArray bytes = script.readAll();
    // A script is text: a NUL byte or a byte that is no UTF-8 says it is something else.
    QTextCodec::ConverterState state;
    const QString content = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (bytes.contains('\0') || state.invalidChars > 0) {
        LOG_WARNING << "Script file is not text.";
        return;
    }
    if (content.trimmed().isEmpty()) {
        LOG_WARNING << "Empty script file.";
        return;
    }
    emit runScritpData(info.fileName(), content);
}

} // namespace QML
