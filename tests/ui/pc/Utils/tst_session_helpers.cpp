#include "libs/kivo/conversations/conversation_fixture.h"
#include "libqml/utils/style.h"
#include "support/test_environment.h"
#include "Utils/active_selection_handler.h"
#include "Utils/badge_handler.h"
#include "Utils/communication_session_ui_helper.h"
#include "Utils/delayed_add_participant.h"

#include <Kivo/Actions/Enabler.h>
#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/MessagesSource.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/Models/ActiveCommsModel.h>
#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/Models/SelectionHandler.h>
#include <Kivo/Models/Timeline.h>

#include <QItemSelectionModel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace ConversationFixture;
using Kivo::Controllers::CommsSessionController;
using Kivo::Controllers::CommunicationSession;
using Kivo::MediaEngine::CallBasePtr;

namespace {

// Starts a conversation through `start` and hands back the session it made.
template <typename Start>
QPointer<CommunicationSession> newSession(const SignedIn& signedIn, Start start)
{
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    start();
    if (created.isEmpty() && !created.wait())
        return nullptr;
    return nextSession(created);
}

} // namespace

class SessionHelpersTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void callStateTexts_data();
    void callStateTexts();
    void titlesOfOneToOneCalls();
    void titlesOfRooms();
    void serviceCodesShowTheirPurpose();
    void statusLines();
    void delayedParticipants();
    void delayedParticipantsOutliveTheirConversation();
    void activeSelection();
    void badgeCount();
    void badgeTexts_data();
    void badgeTexts();
    void badgeImages_data();
    void badgeImages();

private:
    std::unique_ptr<TestSupport::Environment> m_Env;
};

void SessionHelpersTest::init()
{
    m_Env.reset();
    m_Env = std::make_unique<TestSupport::Environment>();
}

void SessionHelpersTest::callStateTexts_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");

    const QList<QPair<QList<int>, QString>> table = {{{0, 4, 6, 13, -1}, "Disconnected"},
                                                     {{1, 11}, "Calling"},
                                                     {{2, 12}, "Incoming Call"},
                                                     {{3, 5}, "Call Active"},
                                                     {{7, 8, 9, 10}, "On Hold"}};
    for (const auto& entry : table) {
        for (int state : entry.first)
            QTest::addRow("%d", state) << state << entry.second;
    }
}

void SessionHelpersTest::callStateTexts()
{
    QFETCH(int, state);
    QFETCH(QString, text);
    Utils::CommunicationSessionUiHelper helper(nullptr, nullptr);
    QCOMPARE(helper.getCallStateText(state), text);
}

void SessionHelpersTest::titlesOfOneToOneCalls()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    Utils::CommunicationSessionUiHelper helper(signedIn.session()->contactsManager(), nullptr);
    QPointer<CommunicationSession> bob = newSession(signedIn, [&] { signedIn.comms()->createCall({Bob}, false); });
    QVERIFY(bob);
    QCOMPARE(helper.getCommunicationTitle(bob), QStringLiteral("Bob Lind"));
    QCOMPARE(helper.getFormCommunicationTitle(bob), QStringLiteral("Bob Lind"));
    QCOMPARE(helper.getFormCommunicationTitle(nullptr), QString());
    QCOMPARE(helper.getFormCommunicationTitle(signedIn.comms()), QString());
    // Without a contact list nothing has a title.
    Utils::CommunicationSessionUiHelper listless(nullptr, nullptr);
    QCOMPARE(listless.getCommunicationTitle(bob), QString());

    QTRY_COMPARE(bob->getCall()->getCallState(), CallBasePtr::InCall);
    QPointer<CommunicationSession> consultation = newSession(signedIn, [&] { bob->createSecondCall(Chiara, true); });
    QVERIFY(consultation);
    QCOMPARE(helper.getCommunicationTitle(consultation), QStringLiteral("Transfer Call: Chiara Rossi"));

    // Calls for an executive name their caller, by display name or else by user name.
    Kivo::Simulation::Control::IncomingCall named;
    named.from = QStringLiteral("\"Eve Stone\" <sip:eve@elsewhere.example>");
    named.executive = Dev;
    QPointer<CommunicationSession> eve = newSession(signedIn, [&] { control().injectIncomingCall(named); });
    QVERIFY(eve);
    QCOMPARE(helper.getCommunicationTitle(eve), QStringLiteral("Eve Stone"));
    Kivo::Simulation::Control::IncomingCall bare;
    bare.from = QStringLiteral("sip:frank@elsewhere.example");
    bare.executive = Dev;
    QPointer<CommunicationSession> frank = newSession(signedIn, [&] { control().injectIncomingCall(bare); });
    QVERIFY(frank);
    QCOMPARE(helper.getCommunicationTitle(frank), QStringLiteral("frank"));
}

void SessionHelpersTest::titlesOfRooms()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    Utils::CommunicationSessionUiHelper helper(signedIn.session()->contactsManager(), nullptr);
    QPointer<CommunicationSession> design = newSession(signedIn, [&] { signedIn.comms()->createGroupChat(Design); });
    QVERIFY(design);
    QTRY_COMPARE(design->getChat()->getState(), int(Kivo::Controllers::ChatInterface::Active));
    QCOMPARE(helper.getCommunicationTitle(design), QStringLiteral("Design (Owner)"));
    // A group chat of the user's own without a room name.
    QPointer<CommunicationSession> adHoc = newSession(signedIn, [&] { signedIn.comms()->createChat({Bob, Chiara}); });
    QVERIFY(adHoc);
    QTRY_COMPARE(helper.getCommunicationTitle(adHoc), QStringLiteral("Group Communications (Owner)"));
}

void SessionHelpersTest::serviceCodesShowTheirPurpose()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    Kivo::Actions::CallServicesEnabler enabler(signedIn.session());
    Utils::CommunicationSessionUiHelper mainWindow(signedIn.session()->contactsManager(), nullptr);
    mainWindow.setCallServicesEnabler(&enabler);
    Utils::CommunicationSessionUiHelper window(signedIn.session()->contactsManager(), nullptr);
    QPointer<CommunicationSession> pull
        = newSession(signedIn, [&] { signedIn.comms()->createCall({enabler.getCallPullCode()}, false); });
    QVERIFY(pull);
    QCOMPARE(mainWindow.getCommunicationTitle(pull), QStringLiteral("Pull Call"));
    QCOMPARE(window.getCommunicationTitle(pull), enabler.getCallPullCode());
    QPointer<CommunicationSession> park
        = newSession(signedIn, [&] { signedIn.comms()->createCall({enabler.getRetrieveCallParkCode()}, false); });
    QVERIFY(park);
    QCOMPARE(mainWindow.getCommunicationTitle(park), QStringLiteral("Retrieve Parked Call"));
}

void SessionHelpersTest::statusLines()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    Utils::CommunicationSessionUiHelper helper(signedIn.session()->contactsManager(), nullptr);
    QCOMPARE(helper.getCommunicationStatusTip(nullptr), QString());
    QPointer<CommunicationSession> call = newSession(signedIn, [&] { signedIn.comms()->createCall({Bob}, false); });
    QVERIFY(call);
    QCOMPARE(helper.getCommunicationStatusTip(call), QStringLiteral("Call"));
    QPointer<CommunicationSession> phone
        = newSession(signedIn, [&] { signedIn.comms()->createCallFromPhone({Dev}); });
    QVERIFY(phone);
    QCOMPARE(helper.getCommunicationStatusTip(phone), QStringLiteral("Call from phone"));

    QPointer<CommunicationSession> chat = newSession(signedIn, [&] { signedIn.comms()->createChat({Chiara}); });
    QVERIFY(chat);
    chat->getChat()->sendMessage(QStringLiteral("See  you\n at  ten"));
    QTRY_COMPARE(helper.getCommunicationStatusTip(chat), QStringLiteral("See you at ten"));
}

void SessionHelpersTest::delayedParticipants()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QPointer<CommunicationSession> chat = newSession(signedIn, [&] { signedIn.comms()->createChat({Bob}); });
    QVERIFY(chat);
    QTRY_VERIFY(chat->chatActive());

    // A chat with one party grows into a new group chat when people join it.
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);

    // The question is dismissed: a late confirmation adds nobody.
    auto* dismissed = new Utils::DelayedAddParticipant(nullptr);
    QSignalSpy aborted(dismissed, &Utils::DelayedAddParticipant::aborted);
    QSignalSpy lateAdded(dismissed, &Utils::DelayedAddParticipant::participantsAdded);
    // What the drop handler does: the object goes when the question goes.
    connect(dismissed, &Utils::DelayedAddParticipant::aborted, dismissed, &QObject::deleteLater);
    QPointer<Utils::DelayedAddParticipant> dismissedGuard(dismissed);
    dismissed->setSession(chat);
    dismissed->setParticipants(QString::fromLatin1(Dev));
    dismissed->abort();
    dismissed->addParticipants();
    QCOMPARE(aborted.count(), 1);
    QCOMPARE(lateAdded.count(), 1);
    QTRY_VERIFY(!dismissedGuard);

    // Confirmed: both people in one request.
    Utils::DelayedAddParticipant delayed(nullptr);
    QSignalSpy added(&delayed, &Utils::DelayedAddParticipant::participantsAdded);
    delayed.setSession(chat);
    delayed.setParticipants(QStringList{Chiara, Dev});
    delayed.addParticipants();
    QCOMPARE(added.count(), 1);
    QTRY_VERIFY(!created.isEmpty());
    QPointer<CommunicationSession> group = nextSession(created);
    QVERIFY(group);
    QTRY_VERIFY(group->getParticipants()->participant(Chiara) && group->getParticipants()->participant(Dev));
    QCOMPARE(created.count(), 1);
}

void SessionHelpersTest::delayedParticipantsOutliveTheirConversation()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QPointer<CommunicationSession> call = newSession(signedIn, [&] { signedIn.comms()->createCall({Bob}, false); });
    QVERIFY(call);
    QTRY_COMPARE(call->getCall()->getCallState(), CallBasePtr::InCall);
    Utils::DelayedAddParticipant delayed(nullptr);
    QSignalSpy added(&delayed, &Utils::DelayedAddParticipant::participantsAdded);
    delayed.setSession(call);
    delayed.setParticipants(QStringList{Chiara});
    // The call ends while the user is asked; the answer then comes.
    call->close();
    QTRY_VERIFY(!call);
    delayed.addParticipants();
    QCOMPARE(added.count(), 1);
}

void SessionHelpersTest::activeSelection()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    Kivo::Models::ActiveCommsModel model(signedIn.comms(), nullptr);
    Kivo::Models::SelectionHandler proxy(&model, Kivo::Models::SelectionHandler::ActiveCommunicationItem, nullptr);
    QItemSelectionModel selection(&proxy);
    proxy.setSelectionModel(&selection);
    Utils::ActiveSelectionHandler handler(&proxy, &selection, nullptr);
    handler.activeSelectionSessionLookup();
    QCOMPARE(handler.currentIndex(), -1);

    QPointer<CommunicationSession> chat = newSession(signedIn, [&] { signedIn.comms()->createChat({Chiara}); });
    QPointer<CommunicationSession> call = newSession(signedIn, [&] { signedIn.comms()->createCall({Bob}, false); });
    QVERIFY(chat && call);
    QTRY_COMPARE(proxy.rowCount(), 2);
    handler.select(0, 0);
    handler.select(1, Qt::ShiftModifier);
    QCOMPARE(handler.selectionAsContacts().size(), 2);
    QCOMPARE(handler.selectionAsString().split(',').size(), 2);
    for (const QString& id : handler.selectionAsString().split(','))
        QVERIFY(id == "1" || id == "2");

    // The first row's call comes up: the lookup selects it alone.
    QTRY_COMPARE(call->getCall()->getCallState(), CallBasePtr::InCall);
    const int callRow = proxy.index(0, 0).data(348).value<QObject*>() == call ? 0 : 1;
    if (callRow == 0) {
        handler.activeSelectionSessionLookup();
        QCOMPARE(handler.selection(), QList<QObject*>{call.data()});
    }
}

void SessionHelpersTest::badgeCount()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    Kivo::Models::Timeline timeline(signedIn.session()->contactsManager(), nullptr,
                                    signedIn.session()->vyxCallHistoryController(),
                                    signedIn.session()->callController(), Kivo::Models::Timeline::NoVoiceMail, false);
    QTRY_COMPARE(timeline.rowCount(), 3);
    Utils::BadgeHandler alone(&timeline, nullptr, nullptr);
    QCOMPARE(alone.badgeCount(), timeline.newCommsCount());

    Kivo::Controllers::MessagesSource messages;
    Utils::BadgeHandler handler(&timeline, &messages, nullptr);
    QSignalSpy changed(&handler, &Utils::BadgeHandler::badgeCountChanged);
    emit messages.messages(4, 1);
    QCOMPARE(handler.badgeCount(), timeline.newCommsCount() + 4);
    emit messages.messages(4, 2);
    QCOMPARE(changed.count(), 1);
    // The history's count changes: always told, even when the number stays.
    timeline.clearMissedCalls();
    QVERIFY(changed.count() >= 2);
    QCOMPARE(handler.badgeCount(), timeline.newCommsCount() + 4);
}

void SessionHelpersTest::badgeTexts_data()
{
    QTest::addColumn<int>("messages");
    QTest::addColumn<QString>("text");

    QTest::newRow("none") << 0 << QString();
    QTest::newRow("one") << 1 << "1";
    QTest::newRow("nine") << 9 << "9";
    QTest::newRow("ten") << 10 << "9+";
    QTest::newRow("many") << 250 << "9+";
}

void SessionHelpersTest::badgeTexts()
{
    QFETCH(int, messages);
    QFETCH(QString, text);
    Kivo::Controllers::MessagesSource source;
    Utils::BadgeHandler handler(nullptr, &source, nullptr);
    emit source.messages(messages, 0);
    QCOMPARE(handler.badgeCount(), messages);
    QCOMPARE(handler.property("badgeText").toString(), text);
}

void SessionHelpersTest::badgeImages_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("size");

    QTest::newRow("no size asked") << "infoBadge" << QSize(-1, -1) << QSize(18, 18);
    QTest::newRow("a size") << "infoBadgeActive" << QSize(36, 36) << QSize(36, 36);
    QTest::newRow("keeps its shape") << "infoBadge" << QSize(36, 24) << QSize(24, 24);
    QTest::newRow("width only") << "infoBadge" << QSize(9, 0) << QSize(9, 9);
    QTest::newRow("unknown image") << "other" << QSize() << QSize(18, 18);
}

void SessionHelpersTest::badgeImages()
{
    QFETCH(QString, id);
    QFETCH(QSize, requested);
    QFETCH(QSize, size);
    QML::Style style;
    auto* handler = new Utils::BadgeHandler(nullptr, nullptr, nullptr);
    // The QML engine owns the provider and may outlive the handler.
    Utils::BadgeImageProvider provider(handler);
    QSize reported;
    const QImage image = provider.requestPixmap(id, &reported, requested).toImage();
    QCOMPARE(reported, size);
    QCOMPARE(image.size(), size);
    const QColor inside = image.pixelColor(size.width() / 2, size.height() * 3 / 4);
    const QColor corner = image.pixelColor(0, 0);
    QCOMPARE(corner.alpha(), 0);
    if (id == "other")
        QCOMPARE(inside.alpha(), 0);
    else
        QCOMPARE(inside.rgb(), style.color(id).rgb());
    delete handler;
    QVERIFY(provider.requestPixmap(id, &reported, requested).isNull());
}

QTEST_MAIN(SessionHelpersTest)
#include "tst_session_helpers.moc"
