#include "Utils/aggregation_enabler.h"
#include "Utils/session_state_watcher_enabler.h"
#include "support/test_environment.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QSignalSpy>
#include <QTest>

using Kivo::Sessions::SubSession;

class SessionStateWatcherEnablerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void kindTwoFollowsReconnectionOnly();
    void watchedSubSessionState();
    void drivesAggregationEnabler();

private:
    SubSession* subSession(int type) const;

    std::unique_ptr<Kivo::Configuration::Config> m_Config;
    std::unique_ptr<Kivo::Sessions::SessionManagerBase> m_Session;
};

void SessionStateWatcherEnablerTest::initTestCase()
{
    m_Config = std::make_unique<Kivo::Configuration::Config>("config_test.xml", Kivo::Configuration::Config::Document());
    m_Session = std::make_unique<Kivo::Sessions::SessionManagerBase>("alice@test.example", "Alice", m_Config.get(),
                                                                     nullptr);
}

SubSession* SessionStateWatcherEnablerTest::subSession(int type) const
{
    for (SubSession* sub : m_Session->subSessions()) {
        if (sub->getType() == type)
            return sub;
    }
    return nullptr;
}

void SessionStateWatcherEnablerTest::kindTwoFollowsReconnectionOnly()
{
    Kivo::Sessions::SessionManagerBase* session = m_Session.get();
    Utils::SessionStateWatcherEnabler watcher(session, 2, nullptr);
    QVERIFY(watcher.isEnabled());
    QSignalSpy enabled(&watcher, &Utils::SessionStateWatcherEnabler::sessionEnabled);
    emit session->subSessionStateChanged(session, subSession(SubSession::Sip), SubSession::Failed);
    QCOMPARE(enabled.count(), 0);
    emit session->reconnectionStateChanged(session, true);
    emit session->reconnectionStateChanged(session, true);
    emit session->reconnectionStateChanged(session, false);
    QCOMPARE(enabled.count(), 2);
    QCOMPARE(enabled.at(0).first().toBool(), false);
    QCOMPARE(enabled.at(1).first().toBool(), true);
}

void SessionStateWatcherEnablerTest::watchedSubSessionState()
{
    Kivo::Sessions::SessionManagerBase* session = m_Session.get();
    // The XMPP sub-session has not connected: the watcher of kind 1 starts disabled.
    Utils::SessionStateWatcherEnabler watcher(session, SubSession::Xmpp, nullptr);
    QVERIFY(!watcher.isEnabled());
    QSignalSpy enabled(&watcher, &Utils::SessionStateWatcherEnabler::sessionEnabled);
    emit session->subSessionStateChanged(session, subSession(SubSession::Sip), SubSession::Connected);
    QCOMPARE(enabled.count(), 0);
    emit session->subSessionStateChanged(session, subSession(SubSession::Xmpp), SubSession::Connected);
    emit session->subSessionStateChanged(session, subSession(SubSession::Xmpp), SubSession::Connected);
    emit session->subSessionStateChanged(session, subSession(SubSession::Xmpp), SubSession::Connecting);
    emit session->subSessionStateChanged(session, subSession(SubSession::Xmpp), SubSession::Connected);
    QCOMPARE(enabled.count(), 3);
    QCOMPARE(enabled.at(0).first().toBool(), true);
    QCOMPARE(enabled.at(1).first().toBool(), false);
    QCOMPARE(enabled.at(2).first().toBool(), true);
}

void SessionStateWatcherEnablerTest::drivesAggregationEnabler()
{
    Kivo::Sessions::SessionManagerBase* session = m_Session.get();
    Utils::SessionStateWatcherEnabler watcher(session, 2, nullptr);
    Utils::AggregationEnabler enabler;
    QVERIFY(!watcher.addAggregationEnabler(nullptr));
    QVERIFY(!watcher.addAggregationEnabler(&watcher));
    emit session->reconnectionStateChanged(session, true);
    QVERIFY(watcher.addAggregationEnabler(&enabler));
    QVERIFY(!enabler.isEnabled());
    emit session->reconnectionStateChanged(session, false);
    QVERIFY(enabler.isEnabled());
}

QTEST_MAIN(SessionStateWatcherEnablerTest)
#include "tst_session_state_watcher_enabler.moc"
