#include <Kivo/Client.h>
#include <Kivo/MyRoom/Controller.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>
#include <Kivo/Utils/Credentials/UserCredentials.h>

#include <QAction>
#include <QSignalSpy>
#include <QtTest>

using Kivo::Sessions::SessionManagerBase;
using Kivo::Sessions::SubSession;

namespace {

const char* const DemoUser = "alice@demo.telvarion.net";
const char* const DemoPassword = "Demo-1234";

Kivo::Simulation::Service& service()
{
    return Kivo::Simulation::Service::shared();
}

Kivo::Utils::Credentials::UserCredentials credentials(const QString& user, const QString& password)
{
    Kivo::Utils::Credentials::UserCredentials result(user);
    Kivo::Utils::Credentials::CredentialsData data;
    data.setPassword(password);
    result.setData(Kivo::Utils::Credentials::CredentialsManager::Basic, data);
    return result;
}

QList<int> statesOf(const QSignalSpy& spy)
{
    QList<int> states;
    for (const QList<QVariant>& arguments : spy)
        states.append(arguments.at(1).value<SessionManagerBase::State>());
    return states;
}

} // namespace

class ClientSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void signInFailures_data();
    void signInFailures();
    void signInOpensSessionAndSignOutClosesIt();
    void forcedSignOutIsAnnouncedBeforeTheClose();
    void exitQuitsAfterTheSessionClosed();
    void cancelledSignInGivesTheSessionBack();
    void secondSignInIsRefused();

private:
    void signIn(const QString& user = DemoUser, const QString& password = DemoPassword);

    QAction* m_SignOut = nullptr;
    QAction* m_Exit = nullptr;
    Kivo::Client* m_Client = nullptr;
};

void ClientSessionTest::initTestCase()
{
    service().setLatency(1);
}

void ClientSessionTest::init()
{
    service().loadDemoAccount();
    service().setReachable(true);
    m_SignOut = new QAction(this);
    m_Exit = new QAction(this);
    m_Client = new Kivo::Client(m_SignOut, m_Exit, QString(), this);
}

void ClientSessionTest::cleanup()
{
    delete m_Client;
    delete m_SignOut;
    delete m_Exit;
}

void ClientSessionTest::signIn(const QString& user, const QString& password)
{
    QSignalSpy opened(m_Client, &Kivo::Client::sessionOpened);
    QVERIFY(m_Client->signin(credentials(user, password), nullptr, QString(), true));
    QTRY_COMPARE(opened.count(), 1);
}

void ClientSessionTest::signInFailures_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<int>("error");

    QTest::newRow("wrong password") << DemoUser << "nope" << true << int(SessionManagerBase::AuthenticationFailed);
    QTest::newRow("unknown user") << "nobody@demo.telvarion.net" << DemoPassword << true
                                  << int(SessionManagerBase::AuthenticationFailed);
    QTest::newRow("unreachable") << DemoUser << DemoPassword << false << int(SessionManagerBase::ConnectionFailed);
}

void ClientSessionTest::signInFailures()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(bool, reachable);
    QFETCH(int, error);

    service().setReachable(reachable);
    QSignalSpy states(m_Client, &Kivo::Client::sessionStateChange);
    QSignalSpy errors(m_Client, &Kivo::Client::sessionError);
    QSignalSpy opened(m_Client, &Kivo::Client::sessionOpened);
    QVERIFY(m_Client->signin(credentials(user, password), nullptr, QString(), true));
    // Nothing is reported from inside the call.
    QVERIFY(states.isEmpty());
    QTRY_COMPARE(errors.count(), 1);
    QCOMPARE(errors.first().at(2).value<SessionManagerBase::Error>(), SessionManagerBase::Error(error));
    QCOMPARE(errors.first().at(1).value<SessionManagerBase::State>(), SessionManagerBase::Authenticating);
    QCOMPARE(statesOf(states), QList<int>({1, 3, 4}));
    QVERIFY(opened.isEmpty());
    QVERIFY(!m_Client->getSession());
    // The failed attempt leaves the way open for the next one.
    service().setReachable(true);
    signIn();
}

void ClientSessionTest::signInOpensSessionAndSignOutClosesIt()
{
    QSignalSpy states(m_Client, &Kivo::Client::sessionStateChange);
    QSignalSpy closed(m_Client, &Kivo::Client::sessionClosed);
    signIn("alice");
    QCOMPARE(statesOf(states), QList<int>({1, 3, 4, 11, 12, 13}));
    QPointer<SessionManagerBase> session = m_Client->getSession();
    QVERIFY(session);
    QCOMPARE(session->userName(), QString(DemoUser));
    QCOMPARE(session->objectName(), QString("Alice Carter"));
    QVERIFY(!session->contactsManager()->names().isEmpty());
    QVERIFY(service().isSignedIn());

    // The sub-sessions and My Room come up on their own, later.
    for (const SubSession* sub : session->subSessions())
        QTRY_COMPARE(sub->getState(), SubSession::Connected);
    QTRY_VERIFY(session->myroomController()->isReady());

    states.clear();
    m_SignOut->trigger();
    QTRY_COMPARE(closed.count(), 1);
    QCOMPARE(statesOf(states), QList<int>({14, 15}));
    QVERIFY(!m_Client->getSession());
    QVERIFY(!service().isSignedIn());
    QTRY_VERIFY(!session);
}

void ClientSessionTest::forcedSignOutIsAnnouncedBeforeTheClose()
{
    signIn();
    QStringList order;
    connect(m_Client->getSession(), &SessionManagerBase::forceLogout, this, [&order] { order << "forceLogout"; });
    connect(m_Client, &Kivo::Client::sessionClosed, this, [&order] { order << "closed"; });
    QVERIFY(Kivo::Simulation::Control(service()).forceSignOut("elsewhere"));
    QTRY_COMPARE(order, QStringList({"forceLogout", "closed"}));

    // A server that simply ends the session closes it without the announcement.
    order.clear();
    signIn();
    connect(m_Client->getSession(), &SessionManagerBase::forceLogout, this, [&order] { order << "forceLogout"; });
    service().signOut();
    QTRY_COMPARE(order, QStringList({"closed"}));
}

void ClientSessionTest::exitQuitsAfterTheSessionClosed()
{
    signIn();
    QStringList order;
    connect(m_Client, &Kivo::Client::sessionClosed, this, [&order] { order << "closed"; });
    connect(m_Client, &Kivo::Client::quit, this, [&order] { order << "quit"; });
    m_Exit->trigger();
    QVERIFY(order.isEmpty());
    QTRY_COMPARE(order, QStringList({"closed", "quit"}));
}

void ClientSessionTest::cancelledSignInGivesTheSessionBack()
{
    QSignalSpy closed(m_Client, &Kivo::Client::sessionClosed);
    QSignalSpy opened(m_Client, &Kivo::Client::sessionOpened);
    QSignalSpy serviceSignedIn(&service(), &Kivo::Simulation::Service::signedIn);
    QSignalSpy serviceSignedOut(&service(), &Kivo::Simulation::Service::signedOut);
    QVERIFY(m_Client->signin(credentials(DemoUser, DemoPassword), nullptr, QString(), true));
    m_SignOut->trigger();
    QCOMPARE(closed.count(), 1);
    // The service's late acceptance is handed back rather than opening a session.
    QTRY_COMPARE(serviceSignedIn.count(), 1);
    QTRY_COMPARE(serviceSignedOut.count(), 1);
    QVERIFY(!service().isSignedIn());
    QVERIFY(opened.isEmpty());
    signIn();
}

void ClientSessionTest::secondSignInIsRefused()
{
    signIn();
    QSignalSpy errors(m_Client, &Kivo::Client::sessionError);
    QVERIFY(!m_Client->signin(credentials(DemoUser, DemoPassword), nullptr, QString(), true));
    QVERIFY(m_Client->getSession());
    QVERIFY(errors.isEmpty());
}

QTEST_MAIN(ClientSessionTest)
#include "tst_client_session.moc"
