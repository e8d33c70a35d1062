// The XMPP console over the engine's XMPP client: the traffic as rows, filtered; stanzas
// and scripts injected; bad script files refused; closed at sign-out.
#include "libqml/components/Xmpp/xmpp_debug_console.h"
#include "libqml/window/qml_view.h"
#include "../../qml_test_setup.h"
#include "../../scene_items.h"
#include "support/test_environment.h"

#include <Kivo/Services/Xmpp/XmppClient.h>
#include <Kivo/Simulation/Service.h>

#include <QAbstractItemModel>
#include <QPointer>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>

using QML::XmppDebugConsole;

namespace {

const QByteArray OneAccount = R"({ "accounts": [ { "user": "ada@console.example", "password": "pw",
  "contacts": [ { "id": 1, "name": "Bob", "address": "bob@console.example" } ] } ] })";

// The rows of the traffic list as shown.
QStringList rows(XmppDebugConsole& console)
{
    QQuickItem* list = SceneItems::named(console.view()->rootObject(), "trafficList");
    auto* model = qobject_cast<QAbstractItemModel*>(list->property("model").value<QObject*>());
    QStringList shown;
    const int role = model->roleNames().key("shown");
    for (int row = 0; row < model->rowCount(); ++row)
        shown << model->index(row, 0).data(role).toString();
    return shown;
}

struct Console
{
    Console()
        : client(&service)
        , console(new XmppDebugConsole(&client, nullptr))
    {
        service.setLatency(0);
        [this] {
            QVERIFY(service.load(OneAccount));
            QSignalSpy signedIn(&service, &Kivo::Simulation::Service::signedIn);
            service.signIn("ada@console.example", "pw");
            QVERIFY(signedIn.wait());
            QVERIFY(console->connectAndShow());
        }();
    }
    ~Console() { delete console.data(); }

    Kivo::Simulation::Service service;
    Kivo::Services::Xmpp::XmppClient client;
    QPointer<XmppDebugConsole> console;
};

} // namespace

class XmppDebugConsoleTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QmlTestSetup::prepare(); }
    void scriptFilesAreChecked_data();
    void scriptFilesAreChecked();
    void stanzasAreFilteredWhileTheBoxesAreOn();
    void typedStanzasAreInjected();
    void withoutClientTheConsoleStaysHidden();
    void signOutClosesTheConsole();
};

void XmppDebugConsoleTest::scriptFilesAreChecked_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("no file") << QByteArray() << "Not file or size 0";
    QTest::newRow("empty") << QByteArray("") << "Not file or size 0";
    QTest::newRow("blank") << QByteArray(" \n\t\n") << "Empty script file.";
    QTest::newRow("binary") << QByteArray("<script>\0\x01\x02</script>", 21) << "Script file is not text.";
    QTest::newRow("not UTF-8") << QByteArray("<script>\xff\xfe</script>") << "Script file is not text.";
    QTest::newRow("huge") << QByteArray(XmppDebugConsole::MaxScriptSize + 1, ' ') << "Script file too large";
    QTest::newRow("good") << QByteArray("<script><receive><message from='bob@console.example'><body>hi</body></message></receive></script>")
                          << "";
}

void XmppDebugConsoleTest::scriptFilesAreChecked()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, refusal);
    TestSupport::Environment env;
    Console console;
    QTemporaryDir folder;
    const QString path = folder.filePath("greeting.xml");
    if (QTest::currentDataTag() != QLatin1String("no file")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QSignalSpy played(console.console.data(), &XmppDebugConsole::runScritpData);
    console.console->runScript(path);
    QVERIFY(env.logs().contains("run script: " + path));
    if (!refusal.isEmpty()) {
        QVERIFY(env.logs().contains(refusal));
        QCOMPARE(played.size(), 0);
        return;
    }
    QCOMPARE(played.size(), 1);
    QCOMPARE(played.first().at(0).toString(), QString("greeting.xml"));
    QTRY_VERIFY(rows(*console.console).join('\n').contains("<body>hi</body>"));
}

void XmppDebugConsoleTest::stanzasAreFilteredWhileTheBoxesAreOn()
{
    TestSupport::Environment env;
    Console console;
    QObject* stream = console.client.xmppStreamForDebugConsole();
    const QString both =
        QStringLiteral("<iq type=\"result\"><vCard xmlns=\"vcard-temp\"/><query xmlns=\"jabber:iq:private-storage\"/></iq>");
    const QString disco = QStringLiteral("<iq type=\"get\"><query xmlns=\"http://jabber.org/protocol/disco#items\"/></iq>");
    QMetaObject::invokeMethod(stream, "emulateReceivedData", Q_ARG(QString, both));
    QMetaObject::invokeMethod(stream, "emulateSentData", Q_ARG(QString, disco));
    QCOMPARE(rows(*console.console),
             (QStringList{"INFO:  Dropped private-storage stanza.", "INFO:  Dropped disco#info & disco#items stanzas."}));

    // All boxes off: every stanza is listed as a tree.
    QQuickItem* root = console.console->view()->rootObject();
    for (const char* box : {"vcardFilter", "privateStorageFilter", "discoFilter", "pubsubFilter"})
        SceneItems::click(console.console->view(), SceneItems::named(root, box));
    QMetaObject::invokeMethod(stream, "emulateReceivedData", Q_ARG(QString, both));
    const QString last = rows(*console.console).last();
    QVERIFY(last.startsWith("RECEIVED:  "));
    QVERIFY(last.contains("vcard-temp"));
    QVERIFY(last.contains('\n'));
}

void XmppDebugConsoleTest::typedStanzasAreInjected()
{
    TestSupport::Environment env;
    Console console;
    QQuickWidget* view = console.console->view();
    QQuickItem* root = view->rootObject();
    QSignalSpy chat(&console.service, &Kivo::Simulation::Service::chatMessageReceived);
    QVERIFY(SceneItems::takeKeyboard(console.console.data(), view));
    SceneItems::click(view, SceneItems::named(root, "stanzaInput"));
    QTest::keyClicks(view, "<message from=\"bob@console.example\"><body>typed</body></message>");
    SceneItems::click(view, SceneItems::named(root, "receiveButton"));
    QTRY_COMPARE(chat.size(), 1);
    QCOMPARE(chat.first().at(1).toString(), QString("typed"));
    QVERIFY(rows(*console.console).last().startsWith("RECEIVED:  "));

    // Ctrl+Shift+C clears the list.
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(rows(*console.console).size(), 0);
}

void XmppDebugConsoleTest::withoutClientTheConsoleStaysHidden()
{
    TestSupport::Environment env;
    XmppDebugConsole console(nullptr, nullptr);
    QVERIFY(!console.connectAndShow());
    QVERIFY(!console.isVisible());
    QVERIFY(env.logs().contains("Xmpp debug console is not ready for action."));
}

void XmppDebugConsoleTest::signOutClosesTheConsole()
{
    TestSupport::Environment env;
    Console console;
    QVERIFY(console.console->isVisible());
    console.console->closeOnSignOut();
    QVERIFY(env.logs().contains("App signed out, closing debug window."));
    QTRY_VERIFY(!console.console);
}

QTEST_MAIN(XmppDebugConsoleTest)
#include "tst_xmpp_debug_console.moc"
