// The team-telephony helpers over monitored lines of the simulated service: the lines reach
// the contacts, the alert rings while a line rings, and calls dragged onto a team member
// are transferred after the user's "Transfer".
#include "Dialogs/message_window.h"
#include "Utils/blf_call_alert_handler.h"
#include "Utils/blf_contacts_drag_drop_handler.h"
#include "common/constants.h"
#include "support/test_environment.h"
#include "support/user_settings.h"
#include "ui/pc/blf_fixture.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/ActionsProviderFactory.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/Settings.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QResource>
#include <QtTest>

using BlfFixture::Team;
using Kivo::Contacts::IContact;
using Kivo::MediaEngine::CallBasePtr;
namespace Key = Constants::SettingsKey;

namespace {

// A call of the user with eve in `situation`: "in call", "held", "ringing" or "none".
Kivo::Controllers::CommunicationSession* callEve(Team& team, const QString& situation)
{
    Kivo::Controllers::CommsSessionController* comms = team.session->commsSessionController();
    if (situation == "none")
        return nullptr;
    Kivo::Simulation::Control(Kivo::Simulation::Service::shared()).setAutoAnswer(situation != "ringing");
    comms->createCall({"eve@blf.example"}, false);
    const int wanted = situation == "ringing" ? CallBasePtr::RemoteRinging : CallBasePtr::InCall;
    const auto reached = [comms, wanted] {
        Kivo::Controllers::CommunicationSession* session = comms->getSession(4);
        return session && session->getCall() && session->getCall()->getCallState() == wanted;
    };
    if (!QTest::qWaitFor(reached))
        return nullptr;
    Kivo::Controllers::CommunicationSession* session = comms->getSession(4);
    if (situation == "held") {
        session->getCall()->hold();
        if (!QTest::qWaitFor([session] { return session->getCall()->getCallState() == CallBasePtr::OnHold; }))
            return nullptr;
    }
    return session;
}

} // namespace

class BlfHandlersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void linesReachTheMonitoredContacts();
    void answeringAMemberPicksUpTheRingingCall();
    void alertFollowsEveryLine_data();
    void alertFollowsEveryLine();
    void dropIsAllowedOnlyWhenATransferCanWork_data();
    void dropIsAllowedOnlyWhenATransferCanWork();
    void dropAsksAndTransfersToTheMonitoredLine();
};

void BlfHandlersTest::initTestCase()
{
    QVERIFY(QResource::registerResource(QStringLiteral(TEST_THEME_RESOURCES)));
}

void BlfHandlersTest::cleanup()
{
    Kivo::Simulation::Control(Kivo::Simulation::Service::shared()).setAutoAnswer(true);
    while (Dialogs::MessageWindow* message = BlfFixture::shownMessage())
        delete message;
}

void BlfHandlersTest::linesReachTheMonitoredContacts()
{
    TestSupport::Environment env;
    Team team;
    // Monitored contacts are the model's rows; eve's line is nobody's to watch.
    QCOMPARE(team.member(1)->getBlfState(), IContact::BlfAvailable);
    QCOMPARE(team.member(4)->getBlfState(), IContact::BlfNone);
    QCOMPARE(team.member(2)->getProperty(Kivo::Contacts::Properties::MonitoredLine).toString(),
             QString("cleo@blf.example"));
    QVERIFY(team.member(4)->getProperty(Kivo::Contacts::Properties::MonitoredLine).isNull());

    QVERIFY(Team::setLine("bob@blf.example", IContact::BlfIncomingCall, "eve@blf.example"));
    QCOMPARE(team.member(1)->getBlfState(), IContact::BlfIncomingCall);
    // The caller is named as the user knows them; an unknown caller by the number.
    QCOMPARE(team.blf()->getBlfRemoteCallerName(1), QString("Eve Stone"));
    QVERIFY(Team::setLine("bob@blf.example", IContact::BlfIncomingCall, "+15550177"));
    QCOMPARE(team.blf()->getBlfRemoteCallerName(1), QString("+15550177"));
    QVERIFY(team.blf()->getBlfRemoteCallerName(2).isEmpty());

    // Lines of users the user does not monitor, and states out of range, are refused.
    Kivo::Simulation::Control control(Kivo::Simulation::Service::shared());
    QVERIFY(!control.injectBlfLineState("eve@blf.example", IContact::BlfBusy));
    QVERIFY(!control.injectBlfLineState("bob@blf.example", 7));

    // A monitored user who becomes a contact joins the list with the line's state.
    QVERIFY(Team::setLine("gus@blf.example", IContact::BlfBusy, "bob@blf.example"));
    IContact* gus = team.session->contactsManager()->createTemporaryContact(this);
    gus->setProperty(Kivo::Contacts::Properties::DisplayName, "Gus Hale");
    gus->setProperty(Kivo::Contacts::Properties::Address, "gus@blf.example");
    team.session->contactsManager()->addContact(gus, true, false);
    QTRY_COMPARE(team.monitored()->rowCount(), 4);
    QCOMPARE(team.session->contactsManager()->findByAddress("gus@blf.example")->getBlfState(), IContact::BlfBusy);
}

void BlfHandlersTest::answeringAMemberPicksUpTheRingingCall()
{
    TestSupport::Environment env;
    Team team;
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    Kivo::Actions::ActionsProviderFactory factory(team.session.get(), team.session->contactsManager(), nullptr);
    Kivo::Actions::Provider provider(&factory, true, nullptr);
    QObject::connect(&provider, &Kivo::Actions::Provider::actionTriggered, team.session->commsSessionController(),
                     &Kivo::Controllers::CommsSessionController::actionTriggered);
    provider.setAcceptedActions({Kivo::Actions::Action::AnswerCall, Kivo::Actions::Action::BargeIn}, true);
    provider.setActionSource(team.member(2));

    // Nothing rings: nothing is asked of the service.
    QVERIFY(provider.triggerAction(Kivo::Actions::Action::AnswerCall));
    QTest::qWait(20);
    QVERIFY(service.calls().isEmpty());

    QVERIFY(Team::setLine("cleo@blf.example", IContact::BlfIncomingCall, "+15550177"));
    QVERIFY(provider.triggerAction(Kivo::Actions::Action::AnswerCall));
    QTRY_COMPARE(team.member(2)->getBlfState(), IContact::BlfAvailable);
    QTRY_COMPARE(service.calls().size(), 1);
    QTRY_COMPARE(service.calls().first().state, Kivo::Simulation::CallState::Active);
    QCOMPARE(service.calls().first().remote, QString("+15550177"));
    QVERIFY(service.calls().first().incoming);

    // Barge-in joins the call of a busy line as a conference.
    QVERIFY(Team::setLine("cleo@blf.example", IContact::BlfBusy, "+15550177"));
    QVERIFY(provider.triggerAction(Kivo::Actions::Action::BargeIn));
    QTRY_COMPARE(service.calls().size(), 2);
    const auto allActive = [&service] {
        const QList<Kivo::Simulation::Call> calls = service.calls();
        return std::all_of(calls.cbegin(), calls.cend(), [](const Kivo::Simulation::Call& call) {
            return call.state == Kivo::Simulation::CallState::Active;
        });
    };
    QTRY_VERIFY(allActive());
}

void BlfHandlersTest::alertFollowsEveryLine_data()
{
    // Steps: "b3" bob's line rings, "b2" it is free again, likewise "c" for cleo and "g" for
    // gus (no contact yet); "gus" makes gus a contact; "+" and "-" the user's own ringer
    // starts and stops; "off" the alert switched off; "noshow" the window not shown, "noopen"
    // not opened on a ring, "hidden" neither.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("playing");
    QTest::addColumn<bool>("alert");
    QTest::newRow("a line rings") << "b3" << true << true;
    QTest::newRow("and stops") << "b3 b2" << false << false;
    QTest::newRow("two ring, one stops") << "b3 c3 b2" << true << true;
    QTest::newRow("two ring, both stop") << "b3 c3 b2 c2" << false << false;
    QTest::newRow("while the own call rings") << "+ b3" << false << true;
    QTest::newRow("own call rings and stops") << "+ b3 -" << true << true;
    QTest::newRow("own call starts ringing") << "b3 +" << false << true;
    QTest::newRow("switched off") << "off b3" << false << true;
    QTest::newRow("switched off while ringing") << "b3 off" << true << true;
    QTest::newRow("switched off, next change") << "b3 off c3" << false << true;
    QTest::newRow("window never comes") << "hidden b3" << false << true;
    // Either way of seeing the window is enough for the alert.
    QTest::newRow("window shown, not opened on a ring") << "noopen b3" << true << true;
    QTest::newRow("window opened on a ring, not shown") << "noshow b3" << true << true;
    QTest::newRow("member added later rings") << "g3 gus" << true << true;
    QTest::newRow("member added later stops") << "g3 gus g2" << false << false;
}

void BlfHandlersTest::alertFollowsEveryLine()
{
    QFETCH(QString, steps);
    QFETCH(bool, playing);
    QFETCH(bool, alert);
    TestSupport::Environment env;
    Team team;
    Utils::BlfCallAlertHandler handler(team.monitored(), nullptr);
    handler.initialize();
    handler.preferencesChanged();
    QSignalSpy alerts(&handler, &Utils::BlfCallAlertHandler::blfAlert);
    const QHash<QChar, QString> lines = {
        {'b', "bob@blf.example"}, {'c', "cleo@blf.example"}, {'g', "gus@blf.example"}};
    Kivo::Settings settings(Kivo::Settings::UserSettings);

    for (const QString& step : steps.split(' ')) {
        if (step == "+") {
            handler.incomingCallRingerPlaying();
        } else if (step == "-") {
            handler.incomingCallRingerStopped();
        } else if (step == "off" || step == "hidden" || step == "noshow" || step == "noopen") {
            const QHash<QString, QStringList> switchedOff = {
                {"off", {Key::PlayTeamTelephonyAlert}},
                {"noshow", {Key::ShowTeamTelephonyWindow}},
                {"noopen", {Key::OpenTeamTelephonyWindowWhenLineRings}},
                {"hidden", {Key::ShowTeamTelephonyWindow, Key::OpenTeamTelephonyWindowWhenLineRings}}};
            const QStringList keys = switchedOff.value(step);
            for (const QString& key : keys)
                settings.setValue(key, false);
            settings.sync();
            handler.preferencesChanged();
        } else if (step == "gus") {
            IContact* gus = team.session->contactsManager()->createTemporaryContact(this);
            gus->setProperty(Kivo::Contacts::Properties::Address, "gus@blf.example");
            team.session->contactsManager()->addContact(gus, true, false);
            QTRY_COMPARE(team.monitored()->rowCount(), 4);
        } else {
            QVERIFY2(Team::setLine(lines.value(step.at(0)), step.mid(1).toInt()), qPrintable(step));
        }
    }
    QCOMPARE(handler.isAlertPlaying(), playing);
    QCOMPARE(team.playingSounds().contains(BlfFixture::TeamAlert), playing);
    QVERIFY(!alerts.isEmpty());
    QCOMPARE(alerts.last().first().toBool(), alert);
}

void BlfHandlersTest::dropIsAllowedOnlyWhenATransferCanWork_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("byDrag");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("a call onto a member") << "in call" << "4" << "cleo" << true << true;
    QTest::newRow("a held call") << "held" << "4" << "cleo" << true << true;
    QTest::newRow("two items") << "in call" << "4,1" << "cleo" << true << false;
    QTest::newRow("transfer by drag off") << "in call" << "4" << "cleo" << false << false;
    QTest::newRow("a call still ringing") << "ringing" << "4" << "cleo" << true << false;
    QTest::newRow("no call") << "none" << "4" << "cleo" << true << false;
    QTest::newRow("not an id") << "in call" << "eve" << "cleo" << true << false;
    QTest::newRow("a contact at its own address") << "in call" << "4" << "address" << true << true;
    QTest::newRow("a contact reached by number") << "in call" << "4" << "number" << true << true;
    QTest::newRow("a blank address") << "in call" << "4" << "blank" << true << false;
    QTest::newRow("no target") << "in call" << "4" << "" << true << false;
}

void BlfHandlersTest::dropIsAllowedOnlyWhenATransferCanWork()
{
    QFETCH(QString, situation);
    QFETCH(QString, dragged);
    QFETCH(QString, target);
    QFETCH(bool, byDrag);
    QFETCH(bool, allowed);
    TestSupport::Environment env;
    Team team;
    Kivo::Controllers::CommunicationSession* session = callEve(team, situation);
    QCOMPARE(session != nullptr, situation != "none");

    IContact* contact = nullptr;
    if (target == "cleo") {
        contact = team.member(2);
    } else if (!target.isEmpty()) {
        contact = team.session->contactsManager()->createTemporaryContact(this);
        const QHash<QString, QPair<Kivo::Contacts::Properties::Key, QString>> details = {
            {"address", {Kivo::Contacts::Properties::Address, "ivy@blf.example"}},
            {"number", {Kivo::Contacts::Properties::MobileNumber, "+15550123"}},
            {"blank", {Kivo::Contacts::Properties::Address, "   "}}};
        contact->setProperty(details.value(target).first, details.value(target).second);
    }
    Utils::BlfContactsDragDropHandler handler(team.session->commsSessionController(), team.session->contactsManager(),
                                              byDrag, nullptr);
    QCOMPARE(handler.checkDropAllowed(contact, dragged), allowed);
    // A drop the check refuses asks nothing.
    if (!allowed) {
        handler.handleDrop(contact, dragged);
        QVERIFY(!BlfFixture::shownMessage());
    }
}

void BlfHandlersTest::dropAsksAndTransfersToTheMonitoredLine()
{
    TestSupport::Environment env;
    Team team;
    QVERIFY(callEve(team, "in call"));
    Utils::BlfContactsDragDropHandler handler(team.session->commsSessionController(), team.session->contactsManager(),
                                              true, nullptr);
    // A second drop asks again; the question left open goes when the call ends.
    handler.handleDrop(team.member(1), "4");
    QPointer<Dialogs::MessageWindow> toBob = BlfFixture::shownMessage();
    QVERIFY(toBob);
    handler.handleDrop(team.member(2), "4");
    Dialogs::MessageWindow* question = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* message = qobject_cast<Dialogs::MessageWindow*>(widget); message && message != toBob)
            question = message;
    }
    QVERIFY(question && question->isVisible());
    QCOMPARE(question->windowTitle(), QString("Transfer"));
    QCOMPARE(question->findChild<QLabel*>("messageText")->text(), QString("Do you want to transfer Eve Stone to Cleo Park?"));
    QPushButton* transfer = nullptr;
    for (QPushButton* button : question->findChildren<QPushButton*>()) {
        if (button->text() == "Transfer")
            transfer = button;
    }
    QVERIFY(transfer);
    QSignalSpy updates(&Kivo::Simulation::Service::shared(), &Kivo::Simulation::Service::callUpdated);
    QTest::mouseClick(transfer, Qt::LeftButton);
    QTRY_VERIFY(std::any_of(updates.begin(), updates.end(), [](const QList<QVariant>& update) {
        return update.first().value<Kivo::Simulation::Call>().endReason == Kivo::Simulation::CallEnd::Transferred;
    }));
    QVERIFY(env.logs().contains("Transferring the call to cleo@blf.example"));
    QTRY_VERIFY(!toBob || !toBob->isVisible());
}

QTEST_MAIN(BlfHandlersTest)
#include "tst_blf_handlers.moc"
