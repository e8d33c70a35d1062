#include "libqml/components/chat/chat_window.h"

#include "Models/Chat/message_model.h"
#include "common/logging.h"
#include "libqml/components/chat/chat_page_bridge.h"
#include "libqml/items/webview.h"
#include "libqml/window/qml_view.h"

#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Data/FTAdapter.h>
#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/Models/FTModel.h>

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QQmlContext>
#include <QQuickItem>
#include <QStandardPaths>

namespace QML {

namespace {

// A free name in `folder` for a file a peer named: only its last part counts, so that no
// name can lead out of the folder.
QString freePath(const QString& folder, const QString& offeredName)
{
    QString name = QFileInfo(QString(offeredName).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("received file");
    const QDir dir(folder);
    QString path = dir.filePath(name);
    const QFileInfo info(name);
    for (int copy = 1; QFileInfo::exists(path); ++copy) {
        const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
        path = dir.filePath(QStringLiteral("%1 (%2)%3").arg(info.completeBaseName()).arg(copy).arg(suffix));
    }
    return path;
}

} // namespace

ChatWindow::ChatWindow(Kivo::Controllers::CommunicationSession* session, bool alwaysOnTop, QWidget* parent)
    : Window(alwaysOnTop, parent)
    , m_Session(session)
    , m_Bridge(new ChatPageBridge(this))
{
    setTitle(tr("Chat"));
}

bool ChatWindow::activate()
{
    view()->rootContext()->setContextProperty(QStringLiteral("chatWindow"), this);
    const bool loaded = loadQML(QString::fromLatin1(Scene));
    QQuickItem* root = view()->rootObject();
    auto* page = root ? root->findChild<QDeclarativeWebView2*>(QStringLiteral("chatView")) : nullptr;
    if (!page) {
        LOG_ERROR << "The chat pane has no page view";
        return false;
    }
    m_Bridge->setView(page);
    if (Kivo::Controllers::ChatInterface* chat = this->chat())
        setTitle(chat->isGroup() ? chat->getRoomName() : chat->getContactName());
    return loaded;
}

Kivo::Controllers::CommunicationSession* ChatWindow::session() const
{
    return m_Session;
}

QObject* ChatWindow::sessionObject() const
{
    return m_Session.data();
}

Kivo::Controllers::ChatInterface* ChatWindow::chat() const
{
    return m_Session ? m_Session->getChat() : nullptr;
}

QObject* ChatWindow::chatObject() const
{
    return chat();
}

void ChatWindow::setMessageModel(QObject* model)
{
    if (model == m_MessageModel)
        return;
    if (m_MessageModel)
        disconnect(m_MessageModel, nullptr, this, nullptr);
    m_MessageModel = model;
    auto* messages = qobject_cast<Models::Chat::MessageModel*>(model);
    m_Bridge->setModel(messages);
    if (messages) {
        connect(messages, &Models::Chat::MessageModel::incomingMessage, this, &ChatWindow::incomingMessage);
        connect(this, &ChatWindow::deleteChatHistory, messages, &Models::Chat::MessageModel::deleteHistory);
        messages->updateMessagesFrom(0);
        if (isVisible())
            markRead();
    }
    emit messageModelChanged();
}

void ChatWindow::setSmileys(Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys)
{
    m_Smileys = smileys;
    emit smileysChanged();
}

void ChatWindow::setParticipants(Kivo::Models::CommsSessionParticipants* participants)
{
    m_Participants = participants;
}

void ChatWindow::setFtModel(Kivo::Models::FTModel* model)
{
    if (model)
        connect(model, &Kivo::Models::FTModel::askSaveLocation, this, &ChatWindow::saveOffer, Qt::UniqueConnection);
}

void ChatWindow::saveOffer(Kivo::Data::FTAdapter* transfer)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    QDir().mkpath(folder);
    const QString path = freePath(folder, transfer->getFileName());
    LOG_INFO << "Receiving " << transfer->getFileName() << " into " << path;
    transfer->accept(path);
}

void ChatWindow::sendMessage(const QString& text)
{
    Kivo::Controllers::ChatInterface* chat = this->chat();
    if (!chat || text.trimmed().isEmpty())
        return;
    if (!m_SendingError.isEmpty()) {
        m_SendingError.clear();
        emit sendingErrorChanged();
    }
    chat->setTyping(false);
    chat->sendMessage(text);
}

void ChatWindow::setTyping(bool typing)
{
    if (Kivo::Controllers::ChatInterface* chat = this->chat())
        chat->setTyping(typing);
}

void ChatWindow::showHistory(int age)
{
    if (auto* messages = qobject_cast<Models::Chat::MessageModel*>(m_MessageModel))
        messages->updateMessagesFrom(age);
}

void ChatWindow::incomingMessage()
{
    emit playIncomingMessageSound();
    if (isActiveWindow())
        markRead();
}

void ChatWindow::messageSendingFailed()
{
    m_SendingError = tr("The message could not be sent.");
    emit sendingErrorChanged();
}

void ChatWindow::showAndActivate()
{
    Window::showAndActivate();
    markRead();
}

void ChatWindow::markRead()
{
    if (auto* messages = qobject_cast<Models::Chat::MessageModel*>(m_MessageModel))
        messages->setMessagesRead(m_Session && m_Session->isGroup());
}

void ChatWindow::showEvent(QShowEvent* event)
{
    Window::showEvent(event);
    if (Kivo::Controllers::ChatInterface* chat = this->chat())
        chat->setVisibleToUser(true);
    emit windowVisible(true);
}

void ChatWindow::hideEvent(QHideEvent* event)
{
    Window::hideEvent(event);
    if (Kivo::Controllers::ChatInterface* chat = this->chat())
        chat->setVisibleToUser(false);
    emit windowVisible(false);
}

void ChatWindow::changeEvent(QEvent* event)
{
    Window::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        markRead();
}

} // namespace QML
