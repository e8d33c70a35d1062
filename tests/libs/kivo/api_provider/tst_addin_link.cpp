// The client API's socket against the add-ins' own library, in one process: what an add-in
// sends becomes the controller's signals, the session's calls reach the add-in, junk is
// dropped, and a restarted client is found again.

#include <Kivo/ApiProvider/ConnectorData.h>
#include <Kivo/ApiProvider/Controller.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include "api_provider/addin_connection.h"
#include "api_provider/addin_server.h"

#include "TelvarionApi/api.h"
#include "TelvarionApi/transport.h"
#include "TelvarionApi/wire.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>


#include <algorithm>
#include <functional>
#include <memory>

using Kivo::ApiProvider::ConnectorData;
using Kivo::ApiProvider::Controller;

namespace {

const char* const DemoUser = "alice@demo.telvarion.net";
const char* const DemoPassword = "Demo-1234";

Kivo::Simulation::Service& service()
{
    return Kivo::Simulation::Service::shared();
}

// Writes each event as one text, so a test can wait for it by name.
class Observer : public TelvarionApi::ApiObserver
{
public:
    QStringList seen;

    bool has(const QString& text) const { return seen.contains(text); }

    void connectionStateChange(std::int32_t state) override { add(QString("state %1").arg(state)); }
    void signedOut() override { add("signedOut"); }
    void applicationLanguage(const TelvarionApi::String& language) override
    {
        add("language " + QString::fromStdString(language.str()));
    }
    void sessionCapabilities(std::uint32_t) override {}
    void contactProperties(std::int32_t contactId, const TelvarionApi::ContactProperties& properties,
                           std::uint32_t) override
    {
        QString text = QString("contact %1").arg(contactId);
        for (const auto& [key, value] : properties)
            text += QString(" %1=%2").arg(QString::fromStdString(key.str()), QString::fromStdString(value.str()));
        add(text);
    }
    void groupDetails(std::int32_t, const TelvarionApi::String&) override {}
    void contactRemoved(std::int32_t) override {}
    void groupRemoved(std::int32_t) override {}
    void contactPresence(const TelvarionApi::Presence& presence) override
    {
        add(QString("presence %1 %2 %3")
                .arg(presence.contactId())
                .arg(presence.state())
                .arg(QString::fromStdString(presence.freeText().str())));
    }
    void newCall(const TelvarionApi::Call& call) override { add("newCall " + describe(call)); }
    void callStateChanged(const TelvarionApi::Call& call, std::int32_t state) override
    {
        add(QString("callState %1 %2").arg(describe(call)).arg(state));
    }
    void callMuteState(bool muted) override { add(muted ? "muted" : "unmuted"); }
    void voicemailDetails(std::int32_t newMessages, std::int32_t, std::int32_t, std::int32_t) override
    {
        add(QString("voicemail %1").arg(newMessages));
    }
    void clearLogs() override { add("clearLogs"); }

private:
    static QString describe(const TelvarionApi::Call& call)
    {
        return QString("%1 %2 %3 %4")
            .arg(QString::fromStdString(call.uri().str()))
            .arg(call.contactId())
            .arg(call.direction())
            .arg(call.type());
    }
    void add(const QString& text) { seen.append(text); }
};

TelvarionApi::ConnectionInfo phoneInfo()
{
    TelvarionApi::ConnectionInfo info;
    info.setUuid("5D2E7A91-3B4C-4F6E-9A1D-C07B28E4F3A5");
    info.setVersion("1.0.0.1");
    info.setProperty("name", "en-US", "Polycom device Add-in");
    info.setProperty("vendor", "en-US", "Marlowane Inc");
    info.setProperty("description", "en-US", "Add-in for supporting Polycom USB devices.");
    return info;
}

} // namespace

class AddinLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void addinFollowsSignInAndSignOut();
    void newConnectorsHoldOnlyThoseAwaitingADecision();
    void addinHearsWhenTheServiceEndsTheSession();
    void contactPresenceReachesTheAddinAsItsState_data();
    void contactPresenceReachesTheAddinAsItsState();
    void addinCommandsBecomeSignals_data();
    void addinCommandsBecomeSignals();
    void addinFollowsACallAndDrivesIt();
    void placedCallsReachTheAddin();
    void addinGetsOnlyTheStreamsItAskedFor();
    void junkFromAnAddinIsDroppedAndTheLinkLives_data();
    void junkFromAnAddinIsDroppedAndTheLinkLives();
    void addinFindsARestartedClient();
    void aClientThatEndsInOrderIsNotWaitedFor();
    void anAddinThatReadsNothingIsCutOff();
    void clientAndAddinAgreeOnTheSocket_data();
    void clientAndAddinAgreeOnTheSocket();
    void aRejectedAddinIsRefused();
    void unaskedAddinsFollowThePolicy_data();
    void unaskedAddinsFollowThePolicy();
    void aWaitingAddinIsServedOnceTheUserAccepts();

private:
    // Processes the add-in's events until `text` has arrived.
    bool addinSees(const QString& text);
    bool addinSeesOne(const std::function<bool(const QString&)>& wanted, const QString& what);
    void connectAddin();
    void signIn();
    ConnectorData* listedConnector() const;

    QTemporaryDir m_Folder;
    Controller* m_Controller = nullptr;
    Kivo::Contacts::Contacts* m_Contacts = nullptr;
    Kivo::Sessions::SessionManagerBase* m_Session = nullptr;
    Observer m_Observer;
    std::unique_ptr<TelvarionApi::Api> m_Api;
};

void AddinLinkTest::initTestCase()
{
    QVERIFY(m_Folder.isValid());
    // The add-in policy the controller reads lives in the settings of this test.
    qputenv("TELVARION_DATA_PATH", m_Folder.filePath("data").toUtf8());
    qputenv("TELVARION_API_SOCKET", m_Folder.filePath("api").toUtf8());
    service().setLatency(1);
}

void AddinLinkTest::init()
{
    // The user lets any add-in in without being asked; the policy's own tests say otherwise.
    {
        Kivo::Settings settings(Kivo::Settings::ApplicationSettings);
        settings.setValue("settings/api_provider_allow_connectors", "all");
        settings.setValue("settings/api_connection_no_confirmation", true);
        settings.setValue("settings/api_connection_accept_by_default", true);
    }
    service().loadDemoAccount();
    // The far end answers the add-in's calls at once.
    Kivo::Simulation::Control(service()).setColleaguesActive(false);
    m_Observer.seen.clear();
    m_Controller = new Controller(this);
    m_Controller->InitializeController();
    m_Contacts = new Kivo::Contacts::Contacts(this);
    m_Session = new Kivo::Sessions::SessionManagerBase(this);
}

void AddinLinkTest::cleanup()
{
    m_Api.reset();
    delete m_Controller;
    delete m_Session;
    delete m_Contacts;
    Kivo::Settings(Kivo::Settings::ApplicationSettings).clear();
}

bool AddinLinkTest::addinSees(const QString& text)
{
    return addinSeesOne([&](const QString& seen) { return seen == text; }, text);
}

bool AddinLinkTest::addinSeesOne(const std::function<bool(const QString&)>& wanted, const QString& what)
{
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        m_Api->processEvents();
        if (std::any_of(m_Observer.seen.cbegin(), m_Observer.seen.cend(), wanted))
            return true;
        QTest::qWait(5);
    }
    qWarning() << "Waited for" << what << "but the add-in saw" << m_Observer.seen;
    return false;
}

void AddinLinkTest::connectAddin()
{
    m_Api = std::make_unique<TelvarionApi::Api>(&m_Observer);
    QCOMPARE(m_Api->connect(phoneInfo()), TelvarionApi::ResultOk);
}

void AddinLinkTest::signIn()
{
    QSignalSpy signedIn(&service(), &Kivo::Simulation::Service::signedIn);
    service().signIn(DemoUser, DemoPassword);
    QVERIFY(signedIn.wait());
    QVERIFY(m_Controller->Initialize(m_Contacts, m_Session, nullptr));
}

ConnectorData* AddinLinkTest::listedConnector() const
{
    QAbstractItemModel* model = m_Controller->getModel(Kivo::ApiProvider::AllConnectors);
    if (model->rowCount() != 1)
        return nullptr;
    return qobject_cast<ConnectorData*>(model->index(0, 0).data(ConnectorData::ObjectRole).value<QObject*>());
}

void AddinLinkTest::addinFollowsSignInAndSignOut()
{
    connectAddin();
    QVERIFY(addinSees("state 1"));
    ConnectorData* connector = listedConnector();
    QVERIFY(connector);
    QCOMPARE(connector->name(), QString("Polycom device Add-in"));
    QCOMPARE(connector->vendor(), QString("Marlowane Inc"));
    QCOMPARE(connector->version(), QString("1.0.0.1"));
    QVERIFY(connector->connected());

    signIn();
    QVERIFY(addinSees("state 2"));
    QCOMPARE(m_Api->receiveEvents(TelvarionApi::EventContacts), TelvarionApi::ResultOk);
    QCOMPARE(m_Api->requestContactProperties(0), TelvarionApi::ResultOk);
    QVERIFY(addinSees("contact 0 DisplayName=Alice Carter Jid=alice@demo.telvarion.net"));
    QCOMPARE(m_Api->requestContactPresence(0), TelvarionApi::ResultOk);
    QVERIFY(addinSees("presence 0 1 "));

    Kivo::Simulation::Control(service()).injectPresenceChange(2, 14, "On a call");
    QVERIFY(addinSees("presence 2 6 On a call"));

    m_Controller->Uninitialize();
    QVERIFY(addinSees("signedOut"));
    QCOMPARE(m_Observer.seen.last(), QString("state 1"));

    // Decided on by the user, the add-in keeps its row while it is away, and finds it again.
    connector->setState(ConnectorData::Pending);
    connector->setState(ConnectorData::Accepted);
    m_Api.reset();
    QTRY_VERIFY(!connector->connected());
    connectAddin();
    QTRY_VERIFY(connector->connected());
    QCOMPARE(listedConnector(), connector);
}

void AddinLinkTest::contactPresenceReachesTheAddinAsItsState_data()
{
    // The client's internal presence of a contact and the state the add-in's API names:
    // 0 offline, 1 available, 3 away, 5 busy, 6 busy in a call, 7 busy in a meeting.
    QTest::addColumn<int>("internal");
    QTest::addColumn<int>("state");
    const struct
    {
        const char* name;
        int internal;
        int state;
    } rows[] = {{"pending", 1, 0},          {"offline", 2, 0},         {"offline too", 3, 0},
                {"away", 4, 3},             {"away last", 6, 3},       {"available", 7, 1},
                {"on the desk phone", 8, 1}, {"on the mobile", 9, 1},  {"available too", 10, 1},
                {"busy", 11, 5},            {"in a meeting", 12, 7},   {"in a meeting too", 13, 7},
                {"in a call", 14, 6},       {"in a call too", 15, 6},  {"busy too", 16, 5},
                {"do not disturb", 18, 5},  {"do not disturb last", 19, 5}};
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.internal << row.state;
}

void AddinLinkTest::contactPresenceReachesTheAddinAsItsState()
{
    QFETCH(int, internal);
    QFETCH(int, state);
    connectAddin();
    signIn();
    QVERIFY(addinSees("state 2"));
    QCOMPARE(m_Api->receiveEvents(TelvarionApi::EventContacts), TelvarionApi::ResultOk);
    QVERIFY(Kivo::Simulation::Control(service()).injectPresenceChange(2, internal, "note"));
    QVERIFY(addinSees(QString("presence 2 %1 note").arg(state)));
    m_Controller->Uninitialize();
}

void AddinLinkTest::newConnectorsHoldOnlyThoseAwaitingADecision()
{
    QAbstractItemModel* waiting = m_Controller->getModel(Kivo::ApiProvider::NewConnectors);
    QVERIFY(waiting);
    connectAddin();
    QVERIFY(addinSees("state 1"));
    ConnectorData* connector = listedConnector();
    QVERIFY(connector);
    // The policy lets the add-in in: it does not wait.
    QCOMPARE(connector->state(), ConnectorData::Accepted);
    QCOMPARE(waiting->rowCount(), 0);

    connector->setState(ConnectorData::Pending);
    QCOMPARE(waiting->rowCount(), 1);
    QCOMPARE(waiting->index(0, 0).data(ConnectorData::ObjectRole).value<QObject*>(), connector);
    connector->setState(ConnectorData::Rejected);
    QCOMPARE(waiting->rowCount(), 0);
}

void AddinLinkTest::addinHearsWhenTheServiceEndsTheSession()
{
    connectAddin();
    signIn();
    QVERIFY(addinSees("state 2"));
    QVERIFY(Kivo::Simulation::Control(service()).forceSignOut("Signed in elsewhere"));
    QVERIFY(addinSees("signedOut"));
    QCOMPARE(m_Observer.seen.last(), QString("state 1"));

    // The client's own sign-out afterwards tells nothing twice: the answer to a later request
    // comes after anything the sign-out sent.
    m_Controller->Uninitialize();
    m_Observer.seen.clear();
    m_Api->receiveEvents(0);
    const auto isLanguage = [](const QString& seen) { return seen.startsWith("language "); };
    QVERIFY(addinSeesOne(isLanguage, "the language"));
    QCOMPARE(m_Observer.seen.size(), 1);
}

void AddinLinkTest::addinCommandsBecomeSignals_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QVariantList>("arguments");

    QTest::newRow("dial a number") << 0 << QByteArray(SIGNAL(createCall(QStringList, bool)))
                                   << QVariantList{QStringList{"+15550123"}, false};
    QTest::newRow("dial a contact") << 1 << QByteArray(SIGNAL(createCall(QStringList, bool)))
                                    << QVariantList{QStringList{"+15550101"}, false};
    QTest::newRow("voice mail") << 2 << QByteArray(SIGNAL(callVoicemail())) << QVariantList{};
    QTest::newRow("away") << 3 << QByteArray(SIGNAL(setPresence(int))) << QVariantList{5};
    QTest::newRow("busy note") << 4 << QByteArray(SIGNAL(setFreeText(QString))) << QVariantList{"At the desk"};
    QTest::newRow("volume up") << 5 << QByteArray(SIGNAL(callVolumeCommand(bool))) << QVariantList{true};
    QTest::newRow("dtmf") << 6 << QByteArray(SIGNAL(dtmfCommand(QChar))) << QVariantList{QChar('#')};
    QTest::newRow("show window") << 7 << QByteArray(SIGNAL(showClientWindowCommand())) << QVariantList{};
    QTest::newRow("mute") << 8 << QByteArray(SIGNAL(muteCallCommand(bool))) << QVariantList{true};
}

void AddinLinkTest::addinCommandsBecomeSignals()
{
    QFETCH(int, command);
    QFETCH(QByteArray, signal);
    QFETCH(QVariantList, arguments);

    const std::vector<std::function<TelvarionApi::ApiResult(TelvarionApi::Api&)>> commands{
        [](auto& api) { return api.startCommunication(2, std::vector<TelvarionApi::String>{"+15550123"}); },
        [](auto& api) { return api.startCommunication(2, std::vector<std::int32_t>{1}); },
        [](auto& api) { return api.startCommunication(7, std::vector<std::int32_t>{}); },
        [](auto& api) { return api.setPresence(TelvarionApi::PresenceAway, ""); },
        [](auto& api) { return api.setPresence(TelvarionApi::PresenceBusy, "At the desk"); },
        [](auto& api) { return api.setCallVolume(true); },
        [](auto& api) { return api.sendDTMF('#'); },
        [](auto& api) { return api.showClientWindow(); },
        [](auto& api) { return api.muteCall(true); },
    };

    connectAddin();
    signIn();
    QVERIFY(addinSees("state 2"));
    QSignalSpy spy(m_Controller, signal.constData());
    QCOMPARE(commands.at(command)(*m_Api), TelvarionApi::ResultOk);
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.first(), arguments);
}

void AddinLinkTest::addinFollowsACallAndDrivesIt()
{
    connectAddin();
    signIn();
    QVERIFY(addinSees("state 2"));
    m_Api->receiveEvents(TelvarionApi::EventCalls | TelvarionApi::EventCallMute);

    const int fromBob = Kivo::Simulation::Control(service()).injectIncomingCall("bob@demo.telvarion.net");
    QVERIFY(fromBob != 0);
    QVERIFY(addinSees("newCall bob@demo.telvarion.net 1 0 0"));
    QVERIFY(addinSees("callState bob@demo.telvarion.net 1 0 0 1"));
    m_Api->requestContactProperties(1);
    QVERIFY(addinSees("contact 1 DisplayName=Bob Lindqvist Jid=bob@demo.telvarion.net WorkPhone=+15550101"));

    m_Api->answerCall();
    QVERIFY(addinSees("callState bob@demo.telvarion.net 1 0 0 2"));
    m_Api->holdCall(true);
    QVERIFY(addinSees("callState bob@demo.telvarion.net 1 0 0 3"));
    m_Api->holdCall(false);
    QTRY_COMPARE((m_Api->processEvents(), m_Observer.seen.count("callState bob@demo.telvarion.net 1 0 0 2")), 2);
    m_Api->muteCall(true);
    QVERIFY(addinSees("muted"));

    // A caller who is no contact gets an id of its own and is named by the number it came from.
    const int stranger = Kivo::Simulation::Control(service()).injectIncomingCall("+15559999");
    const int strangerId = 1000000 + stranger;
    QVERIFY(addinSees(QString("callState +15559999 %1 0 0 1").arg(strangerId)));
    m_Api->requestContactProperties(strangerId);
    QVERIFY(addinSees(QString("contact %1 WorkPhone=+15559999").arg(strangerId)));

    // Hanging up ends the call the user talks on, not the one that rings.
    m_Api->hangupCall();
    QVERIFY(addinSees("callState bob@demo.telvarion.net 1 0 0 0"));
    QVERIFY(service().call(stranger).has_value());
}

void AddinLinkTest::placedCallsReachTheAddin()
{
    connectAddin();
    signIn();
    QVERIFY(addinSees("state 2"));
    m_Api->receiveEvents(TelvarionApi::EventCalls);

    QVERIFY(service().placeCall({"+15550102"}, false) != 0);
    QVERIFY(addinSees("newCall +15550102 2 1 0"));
    QVERIFY(addinSees("callState +15550102 2 1 0 1"));
    QVERIFY(addinSees("callState +15550102 2 1 0 2"));

    // A conference has no one contact.
    QVERIFY(service().placeCall({"bob@demo.telvarion.net", "+15550103"}, true) != 0);
    QVERIFY(addinSees("newCall bob@demo.telvarion.net, +15550103 -1 1 1"));
}

void AddinLinkTest::addinGetsOnlyTheStreamsItAskedFor()
{
    connectAddin();
    signIn();
    QVERIFY(addinSees("state 2"));
    Kivo::Simulation::Control control(service());
    QSignalSpy waiting(&service(), &Kivo::Simulation::Service::messagesWaiting);
    QVERIFY(control.injectMessagesWaiting(3, 1));
    QVERIFY(waiting.wait());

    // Asking late still brings the count the service gave before.
    m_Api->receiveEvents(TelvarionApi::EventVoiceMail);
    QVERIFY(addinSees("voicemail 3"));

    control.injectPresenceChange(1, 5);
    control.injectIncomingCall("bob@demo.telvarion.net");
    QVERIFY(control.injectMessagesWaiting(4, 0));
    QVERIFY(addinSees("voicemail 4"));
    QCOMPARE(m_Observer.seen.filter("presence").size() + m_Observer.seen.filter("Call").size(), 0);
}

void AddinLinkTest::junkFromAnAddinIsDroppedAndTheLinkLives_data()
{
    QTest::addColumn<QByteArray>("junk");

    QTest::newRow("command before hello") << QByteArray("show\nhello 1 :x :1 0\n");
    QTest::newRow("unknown kind") << QByteArray("hello 1 :x :1 0\nexplode 1\n");
    QTest::newRow("wrong protocol") << QByteArray("hello 2 :x :1 0\nhello 1 :x :1 0\n");
    QTest::newRow("number out of range") << QByteArray("hello 1 :x :1 0\nsetpresence 99 :\nmute 2\n");
    QTest::newRow("not a number") << QByteArray("hello 1 :x :1 0\nproperties 1x\nproperties +1\n");
    QTest::newRow("text without colon") << QByteArray("hello 1 :x :1 0\ndtmf 5\n");
    QTest::newRow("broken escape") << QByteArray("hello 1 :x :1 0\nsetpresence 1 :a%G0\nsetpresence 1 :a%4\n");
    QTest::newRow("not UTF-8") << QByteArray("hello 1 :x :1 0\nsetpresence 1 :\xff\xfe\n");
    QTest::newRow("bad DTMF") << QByteArray("hello 1 :x :1 0\ndtmf :X\ndtmf :12\n");
    QTest::newRow("extra fields") << QByteArray("hello 1 :x :1 0\nanswer 1\nshow  \n");
    QTest::newRow("short list") << QByteArray("hello 1 :x :1 0\nstart 2 :ids 3 1 2\nstart 2 :ids 9999 1\n");
    QTest::newRow("bad list kind") << QByteArray("hello 1 :x :1 0\nstart 2 :names 1 :bob\n");
    QTest::newRow("overlong line") << QByteArray("hello 1 :x :1 0\n") + QByteArray(70000, 'a') + "\n";
    QTest::newRow("binary noise") << QByteArray("hello 1 :x :1 0\n\x00\x01\x02\r\n\n", 22);
}

void AddinLinkTest::junkFromAnAddinIsDroppedAndTheLinkLives()
{
    QFETCH(QByteArray, junk);
    signIn();
    QSignalSpy shown(m_Controller, &Controller::showClientWindowCommand);
    QSignalSpy presence(m_Controller, &Controller::setPresence);
    QSignalSpy dialled(m_Controller, &Controller::createCall);
    QSignalSpy dtmf(m_Controller, &Controller::dtmfCommand);
    QSignalSpy answered(m_Controller, &Controller::answerCallCommand);

    QLocalSocket addin;
    addin.connectToServer(QString::fromUtf8(qgetenv("TELVARION_API_SOCKET")));
    QVERIFY(addin.waitForConnected(5000));
    addin.write(junk);
    addin.write("show\n");
    QTRY_COMPARE(shown.count(), 1);
    QCOMPARE(presence.count() + dialled.count() + dtmf.count() + answered.count(), 0);
    QCOMPARE(addin.state(), QLocalSocket::ConnectedState);
}

void AddinLinkTest::addinFindsARestartedClient()
{
    // The client runs in a process of its own, so that it can end as a crash ends it.
    const auto startClient = [](QProcess& client) {
        client.start(ADDIN_CLIENT_PEER, QStringList());
        return client.waitForStarted() && client.waitForReadyRead(10000) && client.readLine() == "ready\n";
    };
    delete m_Controller;
    m_Controller = nullptr;
    QProcess first;
    QVERIFY(startClient(first));
    connectAddin();
    QVERIFY(addinSees("state 2"));

    first.kill();
    QVERIFY(first.waitForFinished());
    QVERIFY(addinSees("state 1"));
    QVERIFY(m_Api->answerCall() != TelvarionApi::ResultOk);

    // The new client takes over the socket file the old one left behind.
    m_Observer.seen.clear();
    QProcess second;
    QVERIFY(startClient(second));
    QVERIFY(addinSees("state 2"));
    QCOMPARE(m_Api->requestContactProperties(0), TelvarionApi::ResultOk);
    QVERIFY(addinSees("contact 0 DisplayName=Alice Carter Jid=alice@demo.telvarion.net"));
    second.kill();
    second.waitForFinished();
}

void AddinLinkTest::aClientThatEndsInOrderIsNotWaitedFor()
{
    connectAddin();
    QVERIFY(addinSees("state 1"));
    delete m_Controller;
    m_Controller = nullptr;
    QVERIFY(addinSees("state 0"));

    // A client that starts later is not looked for.
    m_Observer.seen.clear();
    m_Controller = new Controller(this);
    m_Controller->InitializeController();
    QSignalSpy shown(m_Controller, &Controller::showClientWindowCommand);
    QCOMPARE(m_Api->showClientWindow(), TelvarionApi::ResultNotConnected);
    m_Api->processEvents();
    QVERIFY(m_Observer.seen.isEmpty());
}

void AddinLinkTest::anAddinThatReadsNothingIsCutOff()
{
    QLocalServer server;
    QVERIFY(server.listen(m_Folder.filePath("quiet")));
    QLocalSocket addin;
    addin.connectToServer(server.fullServerName());
    QVERIFY(server.waitForNewConnection(5000));
    Kivo::ApiProvider::AddinConnection connection(server.nextPendingConnection());
    QSignalSpy gone(&connection, &Kivo::ApiProvider::AddinConnection::disconnected);

    // Nothing is flushed while the event loop waits, as with an add-in that never reads.
    const QByteArray line(Kivo::ApiProvider::AddinConnection::MaxUnreadBytes / 2, 'x');
    connection.send(line);
    QCOMPARE(gone.count(), 0);
    connection.send(line + line);
    QTRY_COMPARE(gone.count(), 1);
}

void AddinLinkTest::clientAndAddinAgreeOnTheSocket_data()
{
    QTest::addColumn<QByteArray>("dataHome");
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QByteArray>("temporary");

    QTest::newRow("data home") << QByteArray("/srv/profiles/ann/share") << QByteArray("/home/ann") << QByteArray();
    QTest::newRow("home only") << QByteArray() << QByteArray("/home/b\xc3\xa9" "a") << QByteArray();
    QTest::newRow("nothing") << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("own temporary folder") << QByteArray() << QByteArray("/home/ann") << QByteArray("/var/tmp/");
}

void AddinLinkTest::clientAndAddinAgreeOnTheSocket()
{
    QFETCH(QByteArray, dataHome);
    QFETCH(QByteArray, home);
    QFETCH(QByteArray, temporary);
    const QByteArray saved[] = {qgetenv("TELVARION_API_SOCKET"), qgetenv("XDG_DATA_HOME"), qgetenv("HOME"),
                                qgetenv("TMPDIR")};
    const char* const names[] = {"TELVARION_API_SOCKET", "XDG_DATA_HOME", "HOME", "TMPDIR"};
    const QByteArray wanted[] = {QByteArray(), dataHome, home, temporary};
    for (int i = 0; i < 4; ++i)
        wanted[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], wanted[i]);

    const QString client = QDir::cleanPath(QDir::tempPath()) + '/' + Kivo::ApiProvider::AddinServer::defaultName();
    const QString addin = QString::fromStdString(TelvarionApi::Wire::socketPath());
    qputenv("XDG_DATA_HOME", "/elsewhere");
    const QString elsewhere = Kivo::ApiProvider::AddinServer::defaultName();

    for (int i = 0; i < 4; ++i)
        saved[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], saved[i]);
    QCOMPARE(addin, client);
    QVERIFY(!client.endsWith(elsewhere));
}

void AddinLinkTest::aRejectedAddinIsRefused()
{
    connectAddin();
    signIn();
    QVERIFY(addinSees("state 2"));
    ConnectorData* connector = listedConnector();
    QVERIFY(connector && connector->connected());
    QSignalSpy calls(m_Controller, &Controller::createCall);

    // The user's rejection cuts the add-in off at once, and keeps it off when it comes back.
    connector->setState(ConnectorData::Rejected);
    QTRY_VERIFY(!connector->connected());
    m_Api.reset();
    m_Api = std::make_unique<TelvarionApi::Api>(&m_Observer);
    m_Api->connect(phoneInfo());
    m_Api->startCommunication(2, std::vector<TelvarionApi::String>{"+15550123"});
    QTest::qWait(200);
    m_Api->processEvents();
    QVERIFY(!connector->connected());
    QCOMPARE(listedConnector(), connector);
    QCOMPARE(calls.count(), 0);

    // Let in again, it is served again.
    connector->setState(ConnectorData::Accepted);
    m_Api.reset();
    connectAddin();
    QTRY_VERIFY(connector->connected());
}

void AddinLinkTest::unaskedAddinsFollowThePolicy_data()
{
    QTest::addColumn<QString>("allowed");
    QTest::addColumn<QVariant>("noConfirmation");
    QTest::addColumn<QVariant>("acceptByDefault");
    QTest::addColumn<QString>("vendor");
    // -1: not even listed.
    QTest::addColumn<int>("state");
    QTest::newRow("nothing stored: the user is asked") << "" << QVariant() << QVariant() << "Marlowane Inc"
                                                       << int(ConnectorData::Pending);
    QTest::newRow("accepted without asking") << "" << QVariant(true) << QVariant(true) << "Marlowane Inc"
                                             << int(ConnectorData::Accepted);
    QTest::newRow("rejected without asking") << "" << QVariant(true) << QVariant(false) << "Marlowane Inc"
                                             << int(ConnectorData::Rejected);
    QTest::newRow("another maker's, only the maker's allowed") << "first-party" << QVariant(true) << QVariant(true)
                                                               << "Acme Phones" << -1;
    QTest::newRow("another maker's, nothing stored") << "" << QVariant() << QVariant() << "Acme Phones" << -1;
    QTest::newRow("another maker's, all allowed") << "all" << QVariant(true) << QVariant(true) << "Acme Phones"
                                                  << int(ConnectorData::Accepted);
    QTest::newRow("another maker's, written in another case") << "All" << QVariant(true) << QVariant(true)
                                                              << "Acme Phones" << -1;
}

void AddinLinkTest::unaskedAddinsFollowThePolicy()
{
    QFETCH(QString, allowed);
    QFETCH(QVariant, noConfirmation);
    QFETCH(QVariant, acceptByDefault);
    QFETCH(QString, vendor);
    QFETCH(int, state);
    {
        Kivo::Settings settings(Kivo::Settings::ApplicationSettings);
        settings.clear();
        if (!allowed.isEmpty())
            settings.setValue("settings/api_provider_allow_connectors", allowed);
        if (noConfirmation.isValid())
            settings.setValue("settings/api_connection_no_confirmation", noConfirmation);
        if (acceptByDefault.isValid())
            settings.setValue("settings/api_connection_accept_by_default", acceptByDefault);
    }
    TelvarionApi::ConnectionInfo info = phoneInfo();
    info.setProperty("vendor", "en-US", vendor.toStdString());
    m_Api = std::make_unique<TelvarionApi::Api>(&m_Observer);
    m_Api->connect(info);
    QVERIFY(addinSeesOne([](const QString& seen) { return seen.startsWith("state "); }, "a state"));
    // Whoever is not served hears that the client will not serve it, and stops coming back.
    const bool refused = state < 0 || state == ConnectorData::Rejected;
    QVERIFY(addinSees(refused ? "state 0" : "state 1"));
    if (state < 0) {
        // Refused at its hello: unlisted, and what it asks for goes nowhere.
        QSignalSpy shown(m_Controller, &Controller::showClientWindowCommand);
        m_Api->showClientWindow();
        QTest::qWait(200);
        m_Api->processEvents();
        QCOMPARE(shown.count(), 0);
        QCOMPARE(m_Controller->getModel(Kivo::ApiProvider::AllConnectors)->rowCount(), 0);
        return;
    }
    QTRY_VERIFY(listedConnector());
    ConnectorData* connector = listedConnector();
    QCOMPARE(int(connector->state()), state);
    QTRY_COMPARE(connector->connected(), state == ConnectorData::Accepted);
    QCOMPARE(m_Controller->getModel(Kivo::ApiProvider::NewConnectors)->rowCount(),
             state == ConnectorData::Pending ? 1 : 0);
}

void AddinLinkTest::aWaitingAddinIsServedOnceTheUserAccepts()
{
    Kivo::Settings(Kivo::Settings::ApplicationSettings).clear();
    signIn();
    connectAddin();
    QCOMPARE(m_Api->receiveEvents(TelvarionApi::EventContacts | TelvarionApi::EventCalls), TelvarionApi::ResultOk);
    QAbstractItemModel* waiting = m_Controller->getModel(Kivo::ApiProvider::NewConnectors);
    QTRY_COMPARE(waiting->rowCount(), 1);
    ConnectorData* connector = listedConnector();
    QVERIFY(connector && !connector->connected());

    // While it waits, it learns nothing and drives nothing.
    QSignalSpy calls(m_Controller, &Controller::createCall);
    m_Api->startCommunication(2, std::vector<TelvarionApi::String>{"+15550123"});
    Kivo::Simulation::Control(service()).injectPresenceChange(2, 14, "On a call");
    QTest::qWait(200);
    m_Api->processEvents();
    QCOMPARE(calls.count(), 0);
    QVERIFY(!m_Observer.seen.contains("state 2"));
    QVERIFY(!m_Observer.seen.contains("presence 2 6 On a call"));

    // Accepted, it hears where the client stands and is served from then on.
    connector->setState(ConnectorData::Accepted);
    QCOMPARE(waiting->rowCount(), 0);
    QVERIFY(addinSees("state 2"));
    QVERIFY(connector->connected());
    m_Api->startCommunication(2, std::vector<TelvarionApi::String>{"+15550123"});
    QTRY_COMPARE(calls.count(), 1);

    // The answer is kept: a client started again lets the add-in in without asking.
    m_Api.reset();
    delete m_Controller;
    m_Controller = new Controller(this);
    m_Controller->InitializeController();
    m_Observer.seen.clear();
    connectAddin();
    QTRY_VERIFY(listedConnector() && listedConnector()->connected());
    QCOMPARE(listedConnector()->state(), ConnectorData::Accepted);
    QCOMPARE(m_Controller->getModel(Kivo::ApiProvider::NewConnectors)->rowCount(), 0);

    // So is a rejection.
    listedConnector()->setState(ConnectorData::Rejected);
    QTRY_VERIFY(!listedConnector()->connected());
    m_Api.reset();
    delete m_Controller;
    m_Controller = new Controller(this);
    m_Controller->InitializeController();
    connectAddin();
    QTRY_VERIFY(listedConnector());
    QCOMPARE(listedConnector()->state(), ConnectorData::Rejected);
    QTest::qWait(100);
    QVERIFY(!listedConnector()->connected());
}

QTEST_MAIN(AddinLinkTest)
#include "tst_addin_link.moc"
