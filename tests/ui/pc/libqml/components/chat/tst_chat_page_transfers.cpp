#include "Models/Chat/message_model.h"
#include "Utils/string_helper.h"
#include "libqml/components/chat/chat_page_bridge.h"
#include "libqml/items/webview.h"
#include "libqml/window/qml_view.h"

#include "../../qml_test_setup.h"
#include "support/test_environment.h"

#include <Kivo/Data/FTAdapter.h>
#include <Kivo/Models/ChatModel.h>
#include <Kivo/Models/FTModel.h>
#include <Kivo/Models/Smileys.h>
#include <Kivo/Simulation/ConversationTypes.h>

#include <QQuickItem>
#include <QWebFrame>
#include <QtTest>

using Kivo::Data::FTAdapter;
using Kivo::Simulation::FileTransferRecord;
using Kivo::Simulation::FileTransferState;
using Models::Chat::MessageModel;

namespace {

const QString Peer = QStringLiteral("bob@test.example");
const QString Own = QStringLiteral("alice@test.example");

} // namespace

// A file transfer as the chat page shows it: its block, and its progress while it runs,
// through the page model and the page's own scripts.
class ChatPageTransfersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fileNameShowsAsTextNotMarkup();
    void runningTransferMovesItsBarAndAmount();

private:
    QVariant run(const QString& script) { return m_Web->page()->mainFrame()->evaluateJavaScript(script); }
    FTAdapter* transfer(FileTransferRecord& record);

    TestSupport::Environment m_Environment;
    QObject m_Owner;
    QScopedPointer<Kivo::Models::ChatModel> m_Chat;
    QScopedPointer<Kivo::Models::FTModel> m_Transfers;
    QScopedPointer<MessageModel> m_Model;
    QScopedPointer<QML::View> m_View;
    QScopedPointer<QML::ChatPageBridge> m_Bridge;
    QDeclarativeWebView2* m_Web = nullptr;
};

void ChatPageTransfersTest::initTestCase()
{
    QmlTestSetup::prepare();
    Q_INIT_RESOURCE(chat_page);
}

void ChatPageTransfersTest::init()
{
    m_View.reset(new QML::View);
    m_View->setSource(QUrl(QStringLiteral("qrc:/chatpagetest/chat_page.qml")));
    m_Web = qobject_cast<QDeclarativeWebView2*>(m_View->rootObject()->property("web").value<QObject*>());
    QVERIFY(m_Web);
    m_View->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_View.data()));

    m_Chat.reset(new Kivo::Models::ChatModel(Peer, Own));
    m_Transfers.reset(new Kivo::Models::FTModel(Peer));
    m_Model.reset(new MessageModel(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>(), true));
    m_Model->setSmileys(Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr>(
        new Kivo::Models::SmileysPtr(&m_Owner)));
    m_Model->setSourceModel(m_Chat.data());
    m_Model->setFtModel(m_Transfers.data());

    m_Bridge.reset(new QML::ChatPageBridge);
    QSignalSpy loaded(m_Web, &QDeclarativeWebView2::loadFinished);
    m_Bridge->setModel(m_Model.data());
    m_Bridge->setView(m_Web);
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0, 10000);
}

void ChatPageTransfersTest::cleanup()
{
    m_Bridge.reset();
    m_Model.reset();
    m_Transfers.reset();
    m_Chat.reset();
    m_View.reset();
}

FTAdapter* ChatPageTransfersTest::transfer(FileTransferRecord& record)
{
    auto* ft = new FTAdapter(record.id, Peer, Own, m_Transfers.data());
    record.peer = Peer;
    record.size = 2048;
    record.incoming = true;
    record.time = QDateTime::currentDateTime();
    ft->update(record);
    m_Transfers->add(ft);
    return ft;
}

void ChatPageTransfersTest::fileNameShowsAsTextNotMarkup()
{
    FileTransferRecord record;
    record.id = 7;
    record.fileName = QStringLiteral("<b>plan</b> & <img src=x onerror=\"document.title='hit'\">.pdf");
    record.state = FileTransferState::Offered;
    transfer(record);

    const QString block = QStringLiteral("document.getElementById('filetransfer-7')");
    QTRY_VERIFY(run(block + QStringLiteral(" != null")).toBool());
    // The name reads as typed; the page holds no element that came out of it.
    QVERIFY2(run(block + QStringLiteral(".textContent")).toString().contains(record.fileName),
             qPrintable(run(block + QStringLiteral(".innerHTML")).toString()));
    QCOMPARE(run(block + QStringLiteral(".querySelectorAll('b, img').length")).toInt(), 0);
    QVERIFY(run(QStringLiteral("document.title")).toString() != QStringLiteral("hit"));
}

void ChatPageTransfersTest::runningTransferMovesItsBarAndAmount()
{
    FileTransferRecord record;
    record.id = 8;
    record.fileName = QStringLiteral("plan.pdf");
    record.state = FileTransferState::Transferring;
    FTAdapter* ft = transfer(record);

    const QString amount = QStringLiteral("document.getElementById('ft_loaded-8').textContent");
    const QString bar = QStringLiteral("document.getElementById('progressbar-8').style.backgroundPosition");
    QTRY_COMPARE(run(amount).toString(), QStringLiteral("0"));

    // Half of it has come: the amount and the bar follow, and again when all has come.
    record.transferred = 1024;
    ft->update(record);
    QTRY_COMPARE(run(amount).toString(), Utils::StringHelper::sizeText(1024));
    QVERIFY2(run(bar).toString().startsWith(QStringLiteral("-25px")), qPrintable(run(bar).toString()));
    record.transferred = 2048;
    ft->update(record);
    QTRY_COMPARE(run(amount).toString(), Utils::StringHelper::sizeText(2048));
    QVERIFY2(run(bar).toString().startsWith(QStringLiteral("0px")), qPrintable(run(bar).toString()));
}

QTEST_MAIN(ChatPageTransfersTest)
#include "tst_chat_page_transfers.moc"
