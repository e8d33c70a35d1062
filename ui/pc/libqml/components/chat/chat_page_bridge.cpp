#include "libqml/components/chat/chat_page_bridge.h"

#include "Models/Chat/message_model.h"
#include "common/logging.h"
#include "libqml/web_module.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QQuickItem>

namespace QML {

namespace {

// Scripts of the page resolve against the theme's chat folder.
const QUrl PageBase(QStringLiteral("qrc:/windows/CommunicationsWindow/Chat/"));

} // namespace

ChatPageBridge::ChatPageBridge(QObject* parent)
    : QObject(parent)
{
}

void ChatPageBridge::setView(QQuickItem* view)
{
    Web::Module* web = Web::module();
    if (m_View) {
        disconnect(m_View, nullptr, this, nullptr);
        if (web)
            web->detach(m_View, this);
    }
    m_View = view;
    if (!view || !web)
        return;
    if (!web->attach(view, QStringLiteral("qml"), this)) {
        m_View = nullptr;
        return;
    }
    connect(view, SIGNAL(loadFinished()), this, SLOT(onLoadFinished()));
    loadPage();
}

void ChatPageBridge::setModel(Models::Chat::MessageModel* model)
{
    if (m_Model)
        disconnect(m_Model, nullptr, this, nullptr);
    m_Model = model;
    if (!model)
        return;
    using Models::Chat::MessageModel;
    connect(model, &MessageModel::htmlChanged, this, &ChatPageBridge::loadPage);
    connect(model, qOverload<QVariant, QVariant>(&MessageModel::messageAdded), this, &ChatPageBridge::addMessage);
    connect(model, &MessageModel::contactNameChanged, this, &ChatPageBridge::contactNameChanged);
    connect(model, &MessageModel::stateChanged, this, &ChatPageBridge::ftStateChanged);
    connect(model, &MessageModel::progressChanged, this, &ChatPageBridge::ftProgressChanged);
    loadPage();
}

void ChatPageBridge::loadPage()
{
    if (!m_View || !m_Model)
        return;
    // The page is the program's own: the view lets it load, and nothing else.
    if (Web::Module* web = Web::module())
        web->setPage(m_View, m_Model->htmlContent(), PageBase);
}

void ChatPageBridge::onLoadFinished()
{
    if (m_Model)
        m_Model->pageLoadFinished();
}

void ChatPageBridge::run(const QString& function, const QVariantList& arguments)
{
    if (!m_View)
        return;
    // Arguments travel as JSON literals, so that no text can end the call.
    const QByteArray list = QJsonDocument(QJsonArray::fromVariantList(arguments)).toJson(QJsonDocument::Compact);
    const QString call = function + QLatin1Char('(') + QString::fromUtf8(list.mid(1, list.size() - 2)) + QLatin1Char(')');
    if (Web::Module* web = Web::module())
        web->evaluateJavaScript(m_View, call);
}

void ChatPageBridge::addMessage(const QVariant& html, const QVariant& prepend)
{
    m_LastMessage = html.toString();
    run(QStringLiteral("addMessage"), {prepend.toBool()});
}

void ChatPageBridge::contactNameChanged(const QVariant& id, const QVariant& name)
{
    m_LastMessage = name.toString();
    run(QStringLiteral("changeName"), {id.toString()});
}

void ChatPageBridge::ftStateChanged(const QVariant& id, const QVariant& html)
{
    m_LastMessage = html.toString();
    run(QStringLiteral("updateFt"), {id.toString()});
}

void ChatPageBridge::ftProgressChanged(const QVariant& id, const QVariant& percent, const QVariant& transferred)
{
    run(QStringLiteral("setFtProgress"), {id.toString(), percent.toInt(), transferred.toString()});
}

bool ChatPageBridge::hasOlder() const
{
    return m_Model && m_Model->hasOlder();
}

QString ChatPageBridge::takeOlder()
{
    return m_Model ? m_Model->takeOlder() : QString();
}

void ChatPageBridge::acceptClicked(const QString& id)
{
    if (m_Model)
        m_Model->acceptFtClicked(id);
}

void ChatPageBridge::cancelClicked(const QString& id)
{
    if (m_Model)
        m_Model->cancelFtClicked(id);
}

void ChatPageBridge::openFileClicked(const QString& id)
{
    if (m_Model)
        m_Model->openFileClicked(id);
}

void ChatPageBridge::showInFolderClicked(const QString& id)
{
    if (m_Model)
        m_Model->showFileInFolderClicked(id);
}

void ChatPageBridge::showProhibitedExtensionsClicked()
{
    emit showProhibitedExtensions();
}

} // namespace QML
