#pragma once

// The chat page as a conversation window shows it: the page's scene in a view, the page
// model over one chat, and the bridge that hands the model to the page.

#include "Models/Chat/message_model.h"
#include "libqml/components/chat/chat_page_bridge.h"
#include "libqml/web_module.h"
#include "web/webview.h"
#include "libqml/window/qml_view.h"

#include "../../qml_test_setup.h"
#include "support/test_environment.h"

#include <Kivo/Models/ChatModel.h>
#include <Kivo/Models/Smileys.h>

#include <QQuickItem>
#include <QWebFrame>
#include <QtTest>

class ChatPageFixture
{
public:
    const QString peer = QStringLiteral("bob@test.example");
    const QString own = QStringLiteral("alice@test.example");

    // Once per test program, before the first page.
    static void prepare()
    {
        QmlTestSetup::prepare();
        // The page's scene is made here, not by a window that would load the web module.
        QVERIFY(Web::module());
        Q_INIT_RESOURCE(chat_page);
    }

    // Shows the page's scene and makes an empty chat with the page model over it; the page
    // is loaded by load(), so that a test can fill the chat or the model first.
    void open()
    {
        close();
        m_View.reset(new QML::View);
        m_View->setSource(QUrl(QStringLiteral("qrc:/chatpagetest/chat_page.qml")));
        m_Web = qobject_cast<QDeclarativeWebView2*>(m_View->rootObject()->property("web").value<QObject*>());
        QVERIFY(m_Web);
        m_View->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_View.data()));

        m_Chat.reset(new Kivo::Models::ChatModel(peer, own));
        m_Model.reset(new Models::Chat::MessageModel(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>(), true));
        m_Model->setSmileys(Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr>(
            new Kivo::Models::SmileysPtr(&m_Owner)));
        m_Model->setSourceModel(m_Chat.data());
    }

    // Hands the model to the page and waits until the page has loaded.
    void load()
    {
        if (!m_Web)
            return;
        m_Bridge.reset(new QML::ChatPageBridge);
        QSignalSpy loaded(m_Web, &QDeclarativeWebView2::loadFinished);
        m_Bridge->setModel(m_Model.data());
        m_Bridge->setView(m_Web);
        QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0, 10000);
    }

    void close()
    {
        m_Bridge.reset();
        m_Model.reset();
        m_Chat.reset();
        m_View.reset();
        m_Web = nullptr;
    }

    // Runs a script in the page and gives its result (nothing when the page failed to open).
    QVariant run(const QString& script) const
    {
        return m_Web ? m_Web->page()->mainFrame()->evaluateJavaScript(script) : QVariant();
    }

    Kivo::Models::ChatModel* chat() const { return m_Chat.data(); }
    Models::Chat::MessageModel* model() const { return m_Model.data(); }

private:
    TestSupport::Environment m_Environment;
    QObject m_Owner;
    QScopedPointer<QML::View> m_View;
    QScopedPointer<Kivo::Models::ChatModel> m_Chat;
    QScopedPointer<Models::Chat::MessageModel> m_Model;
    QScopedPointer<QML::ChatPageBridge> m_Bridge;
    QDeclarativeWebView2* m_Web = nullptr;
};
