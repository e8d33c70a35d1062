// Chats, rooms and file transfers of a signed-in session, the far end driven through the
// simulated service.
#include "conversation_fixture.h"

#include <Kivo/Controllers/FtController.h>
#include <Kivo/Controllers/XmppChat.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/Data/FTAdapter.h>
#include <Kivo/Databases/Comms.h>
#include <Kivo/Models/ChatModel.h>
#include <Kivo/Models/ChatRoomsFilter.h>
#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/Models/FTModel.h>
#include <Kivo/Sessions/SubSession.h>

#include <QFileInfo>
#include <QScopeGuard>
#include <QPointer>
#include <QTemporaryDir>

#include <algorithm>
#include <ctime>

using namespace ConversationFixture;
using Kivo::Controllers::ChatError::ChatRoomJoinError;
using Kivo::Controllers::ChatInterface;
using Kivo::Controllers::CommsSessionController;
using Kivo::Controllers::CommunicationSession;
using Kivo::Controllers::XmppChatController;
using Kivo::Data::CommsSessionParticipant;
using Kivo::Data::FTAdapter;
using Kivo::Data::Message::Data;

Q_DECLARE_METATYPE(FTAdapter::State)

namespace {

// The messages a chat model announces, in order (its signal passes them by reference,
// which a signal spy cannot record).
class MessageLog
{
public:
    explicit MessageLog(Kivo::Models::ChatModel* model)
        : m_Connection(QObject::connect(model, &Kivo::Models::ChatModel::messageAdded,
                                        [this](int, Data& message) { m_Messages.append(message); }))
    {
    }
    ~MessageLog() { QObject::disconnect(m_Connection); }

    int size() const { return m_Messages.size(); }
    const Data& first() const { return m_Messages.first(); }
    const Data& last() const { return m_Messages.last(); }

private:
    QMetaObject::Connection m_Connection;
    QList<Data> m_Messages;
};

QList<int> transferStates(const QSignalSpy& spy)
{
    QList<int> states;
    for (const QList<QVariant>& arguments : spy)
        states.append(arguments.at(0).value<FTAdapter::State>());
    return states;
}

} // namespace

class ChatTest : public QObject
{
    Q_OBJECT

private slots:
    void chatGoesBothWays();
    void historyGroupsMessagesBySender();
    void messagesShowTheTimeOfTheUsersZone();
    void chatFromSomebodyNewStartsAConversation();
    void roomShowsAffiliationsAndDismissals();
    void roomEntryNeedsTheRightToEnter_data();
    void roomEntryNeedsTheRightToEnter();
    void newRoomIsConfiguredThenDestroyed();
    void listedRoomsAreConfiguredByTheirOwnerOnly();
    void fileOfferIsAcceptedOrRefused_data();
    void fileOfferIsAcceptedOrRefused();
    void ownFileOfferIsTakenOrDeclined_data();
    void ownFileOfferIsTakenOrDeclined();
    void forbiddenFileTypesAreRefusedBothWays();
    void lostChatConnectionFailsMessagesUntilItReturns();

private:
    XmppChatController* chats(const SignedIn& signedIn) const { return signedIn.session()->xmppChatController(); }
};

void ChatTest::chatGoesBothWays()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    QSignalSpy ready(signedIn.comms(), &CommsSessionController::sessionReady);
    signedIn.comms()->createChat({Bob});
    QCOMPARE(created.size(), 1);
    QCOMPARE(ready.size(), 1);
    CommunicationSession* session = nextSession(created);
    QCOMPARE(session->getState(), uint(CommunicationSession::Chat));
    ChatInterface* chat = session->getChat();
    QVERIFY(chat && !chat->isGroup() && chat->isOutgoing());
    Kivo::Models::ChatModel* model = chat->getChatModel();
    MessageLog added(model);

    chat->sendMessage("Lunch at noon?");
    QTRY_COMPARE(added.size(), 1);
    const Data sent = added.first();
    QCOMPARE(sent.getDirection(), int(Data::Sent));
    QCOMPARE(sent.getSenderId(), QString(Alice));
    QVERIFY(sent.getIsFirstMessage());

    QSignalSpy typers(chat, &ChatInterface::typersChanged);
    QVERIFY(control().injectTyping(Bob, true));
    QTRY_COMPARE(typers.size(), 1);
    QCOMPARE(typers.first().first().toStringList(), QStringList({Bob}));
    QVERIFY(control().injectChatMessage(Bob, "Sure, <b>noon</b>."));
    QTRY_COMPARE(added.size(), 2);
    const Data received = added.last();
    QCOMPARE(received.getDirection(), int(Data::Received));
    QCOMPARE(received.getSenderId(), QString(Bob));
    QCOMPARE(received.getBody(), QString("Sure, <b>noon</b>."));
    // A message ends the typing that led to it.
    QCOMPARE(typers.last().first().toStringList(), QStringList());
    QCOMPARE(model->getLastMessage(), QString("Sure, <b>noon</b>."));
    QCOMPARE(session->unreadMessages(), 1);
    QCOMPARE(chat->getPendingMessage(), QString("Sure, <b>noon</b>."));

    model->setMessagesRead(false);
    QCOMPARE(session->unreadMessages(), 0);
    session->closeChat();
    QTRY_COMPARE(created.size(), 1);
}

void ChatTest::historyGroupsMessagesBySender()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    // The conversations of the account come into the communications database first.
    Kivo::Databases::Comms comms;
    chats(signedIn)->setCommsDb(&comms);
    QTRY_VERIFY(comms.contains(Chiara));
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    signedIn.comms()->createChat({Chiara});
    Kivo::Models::ChatModel* model = nextSession(created)->getChat()->getChatModel();
    QCOMPARE(model->getUnreadCount(), 1);
    QSignalSpy reset(model, &Kivo::Models::ChatModel::modelReset);
    model->getMessagesFrom(Kivo::Models::ChatModel::All);
    QTRY_COMPARE(reset.size(), 1);
    QCOMPARE(model->count(), 2);
    QCOMPARE(model->getMessages().first().getBody(), QString("Ready for the review?"));
    QVERIFY(model->getMessages().last().getIsFirstMessage());

    // A second message of the same sender soon after joins the group.
    MessageLog added(model);
    QVERIFY(control().injectChatMessage(Chiara, "Starting now."));
    QVERIFY(control().injectChatMessage(Chiara, "Room 4."));
    QTRY_COMPARE(added.size(), 2);
    QVERIFY(added.first().getIsFirstMessage());
    QVERIFY(!added.last().getIsFirstMessage());
    QCOMPARE(comms.conversation(Chiara).lastText, QString("Room 4."));
    QCOMPARE(comms.conversation(Chiara).unread, 3);

    // Today's part: all four, unless midnight fell between the stored two and now.
    const QDateTime startOfToday = Kivo::Models::ChatModel::startOf(Kivo::Models::ChatModel::Today);
    const QList<Kivo::Data::Message::Data> all = model->getMessages();
    const int today = int(std::count_if(all.cbegin(), all.cend(), [&startOfToday](const Kivo::Data::Message::Data& m) {
        return m.getDateTime() >= startOfToday;
    }));
    model->getMessagesFrom(Kivo::Models::ChatModel::Today);
    QTRY_COMPARE(reset.size(), 2);
    QCOMPARE(model->count(), today);
}

void ChatTest::messagesShowTheTimeOfTheUsersZone()
{
    // A zone half an hour off any whole hour of UTC: a time left in UTC shows another time.
    const QByteArray zoneBefore = qgetenv("TZ");
    qputenv("TZ", "Asia/Kolkata");
    tzset();
    const auto restore = qScopeGuard([&zoneBefore] {
        if (zoneBefore.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", zoneBefore);
        tzset();
    });
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    signedIn.comms()->createChat({Chiara});
    Kivo::Models::ChatModel* model = nextSession(created)->getChat()->getChatModel();
    QSignalSpy reset(model, &Kivo::Models::ChatModel::modelReset);
    model->getMessagesFrom(Kivo::Models::ChatModel::All);
    QTRY_COMPARE(reset.size(), 1);
    MessageLog added(model);
    QVERIFY(control().injectChatMessage(Chiara, "Starting now."));
    QTRY_COMPARE(added.size(), 1);
    QCOMPARE(model->count(), 3);
    for (const Data& message : model->getMessages()) {
        const QDateTime local = message.getDateTime().toLocalTime();
        QVERIFY(local.isValid());
        QCOMPARE(message.getDateTime().date(), local.date());
        QCOMPARE(message.getDateTime().time(), local.time());
    }
}

void ChatTest::chatFromSomebodyNewStartsAConversation()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    QVERIFY(control().injectChatMessage("eve@elsewhere.example", "Hello?"));
    QTRY_COMPARE(created.size(), 1);
    QCOMPARE(created.first().at(1).toBool(), true);
    CommunicationSession* session = nextSession(created);
    QVERIFY(session->getContact()->isTemporary());
    QCOMPARE(session->getContact()->getAddress(), QString("eve@elsewhere.example"));
    QCOMPARE(session->getChat()->getPendingMessage(), QString("Hello?"));
    QVERIFY(!session->getChat()->isAccepted());
    session->acceptChat();
    QVERIFY(session->getChat()->isAccepted());
    QVERIFY(session->getChat()->getPendingMessage().isEmpty());
}

void ChatTest::roomShowsAffiliationsAndDismissals()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    QSignalSpy ready(signedIn.comms(), &CommsSessionController::sessionReady);
    signedIn.comms()->createGroupChat(Design);
    QCOMPARE(created.size(), 1);
    QPointer<CommunicationSession> session = nextSession(created);
    ChatInterface* chat = session->getChat();
    QVERIFY(chat->isGroup());
    QTRY_COMPARE(chat->getState(), int(ChatInterface::Active));
    QCOMPARE(ready.size(), 1);
    QCOMPARE(session->getState(), uint(CommunicationSession::Chat | CommunicationSession::Conference));
    QCOMPARE(chat->getRoomName(), QString("Design"));
    QCOMPARE(chat->getSubject(), QString("Icons"));
    QVERIFY(chat->isRoomOwner());

    Kivo::Models::CommsSessionParticipants* participants = session->getParticipants();
    QCOMPARE(participants->self()->getChatAffiliation(), int(CommsSessionParticipant::Owner));
    QCOMPARE(participants->participant(Bob)->getChatAffiliation(), int(CommsSessionParticipant::Admin));
    QCOMPARE(participants->participant(Bob)->getName(), QString("Bob Lind"));

    QSignalSpy joined(participants, &Kivo::Models::CommsSessionParticipants::participantAdded);
    QVERIFY(control().injectRoomJoin(Design, Chiara));
    QTRY_COMPARE(joined.size(), 1);
    QCOMPARE(joined.first().at(0).toStringList(), QStringList({"Chiara Rossi"}));
    QCOMPARE(joined.first().at(1).toBool(), false);
    CommsSessionParticipant* chiara = participants->participant(Chiara);
    QCOMPARE(chiara->getChatAffiliation(), int(CommsSessionParticipant::Member));

    chats(signedIn)->promoteParticipant(Design, Chiara);
    QTRY_COMPARE(chiara->getChatAffiliation(), int(CommsSessionParticipant::Admin));
    chats(signedIn)->demoteParticipant(Design, Chiara);
    QTRY_COMPARE(chiara->getChatAffiliation(), int(CommsSessionParticipant::Member));

    QSignalSpy removed(participants, &Kivo::Models::CommsSessionParticipants::participantRemoved);
    chats(signedIn)->kickParticipant(Design, Chiara);
    QTRY_COMPARE(removed.size(), 1);
    QCOMPARE(removed.first().at(0).toString(), QString("Chiara Rossi"));
    QCOMPARE(removed.first().at(1).value<CommsSessionParticipant::ChatAffiliation>(), CommsSessionParticipant::Member);
    QCOMPARE(removed.first().at(2).value<CommsSessionParticipant::ParticipantLeaveReason>(),
             CommsSessionParticipant::Dismissed);
    QVERIFY(!participants->participant(Chiara));

    // A moderator may not be dismissed by one of the same rank: the owner is the user here,
    // so the far end dismisses the user instead.
    QSignalSpy kicked(chat, &ChatInterface::kicked);
    QVERIFY(control().injectRoomKickUser(Design, Bob));
    QTRY_COMPARE(kicked.size(), 1);
    QCOMPARE(kicked.first().first().toString(), QString("Bob Lind"));
    QTRY_VERIFY(!session);
}

void ChatTest::roomEntryNeedsTheRightToEnter_data()
{
    QTest::addColumn<QString>("room");
    QTest::addColumn<QStringList>("passwords");
    QTest::addColumn<QList<int>>("errors");
    QTest::addColumn<bool>("enters");

    QTest::newRow("members only") << QString(Board) << QStringList() << QList<int>{ChatRoomJoinError::MembersOnly}
                                  << false;
    QTest::newRow("password, wrong, then right")
        << QString(Vault) << QStringList({"guess", "s3cret"})
        << QList<int>{ChatRoomJoinError::PasswordRequired, ChatRoomJoinError::WrongPassword} << true;
    QTest::newRow("password given up") << QString(Vault) << QStringList({QString()})
                                       << QList<int>{ChatRoomJoinError::PasswordRequired} << false;
}

void ChatTest::roomEntryNeedsTheRightToEnter()
{
    QFETCH(QString, room);
    QFETCH(QStringList, passwords);
    QFETCH(QList<int>, errors);
    QFETCH(bool, enters);

    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    signedIn.comms()->createGroupChat(room);
    QPointer<CommunicationSession> session = nextSession(created);
    QVERIFY(session);
    ChatInterface* chat = session->getChat();
    QSignalSpy refused(chat, &ChatInterface::authorizationFailed);
    QTRY_COMPARE(refused.size(), 1);
    for (const QString& password : passwords) {
        if (password.isEmpty())
            chats(signedIn)->passwordEnterCanceled(room);
        else
            chats(signedIn)->passwordEntered(room, password);
        QTest::qWait(20);
    }
    QList<int> seen;
    for (const QList<QVariant>& arguments : refused)
        seen.append(arguments.at(1).value<ChatRoomJoinError>());
    QCOMPARE(seen, errors);
    if (enters) {
        QTRY_COMPARE(chat->getState(), int(ChatInterface::Active));
        QVERIFY(session->chatActive());
    } else {
        QTRY_VERIFY(!session);
    }
}

void ChatTest::listedRoomsAreConfiguredByTheirOwnerOnly()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QSignalSpy form(chats(signedIn), &XmppChatController::xmppRoomConfigReceived);
    QSignalSpy forbidden(chats(signedIn), &XmppChatController::roomConfigurationForbidden);
    // The user's own room, not entered: its form comes without a chat.
    chats(signedIn)->requestRoomConfiguration(Design);
    QTRY_COMPARE(form.size(), 1);
    QCOMPARE(form.first().at(0).toString(), QString(Design));
    QVERIFY(!form.first().at(2).value<Kivo::Controllers::XmppChat*>());
    // Someone else's room is refused.
    chats(signedIn)->requestRoomConfiguration(Board);
    QTRY_COMPARE(forbidden.size(), 1);
    QCOMPARE(form.size(), 1);
}

void ChatTest::newRoomIsConfiguredThenDestroyed()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    QSignalSpy ready(signedIn.comms(), &CommsSessionController::sessionReady);
    QSignalSpy form(chats(signedIn), &XmppChatController::xmppRoomConfigReceived);
    signedIn.comms()->createChat();
    QPointer<CommunicationSession> session = nextSession(created);
    QVERIFY(session);
    QCOMPARE(session->getChat()->getState(), int(ChatInterface::Creating));
    QTRY_COMPARE(form.size(), 1);
    const QString jid = form.first().at(0).toString();
    QCOMPARE(form.first().at(2).value<Kivo::Controllers::XmppChat*>(), session->getChat());
    QVERIFY(ready.isEmpty());

    QXmppDataForm filled = form.first().at(1).value<QXmppDataForm>();
    QList<QXmppDataForm::Field> fields = filled.fields();
    for (QXmppDataForm::Field& field : fields) {
        if (field.key() == "muc#roomconfig_roomname")
            field.setValue("Release plan");
        if (field.key() == "muc#roomconfig_membersonly")
            field.setValue(true);
    }
    filled.setFields(fields);
    filled.setType(QXmppDataForm::Submit);
    chats(signedIn)->roomConfigured(jid, filled);
    QTRY_COMPARE(session->getChat()->getState(), int(ChatInterface::Active));
    QCOMPARE(ready.size(), 1);
    QCOMPARE(session->getChat()->getRoomName(), QString("Release plan"));
    QCOMPARE(service().room(jid)->membersOnly, true);

    // Listed for the rooms view, then gone with the room.
    Kivo::Models::ChatRoomsFilter* rooms = chats(signedIn)->getChatRoomsFilter();
    rooms->clearAndFetchRooms();
    QVERIFY(rooms->isFetchingRooms());
    QTRY_VERIFY(!rooms->isFetchingRooms());
    QCOMPARE(rooms->rowCount(), 3);
    QSignalSpy refused(chats(signedIn), &XmppChatController::roomDestructionFailed);
    chats(signedIn)->destroyRoom(Board);
    QTRY_COMPARE(refused.size(), 1);
    chats(signedIn)->destroyRoom(jid);
    QTRY_VERIFY(!session);
    QCOMPARE(rooms->rowCount(), 2);
}

void ChatTest::fileOfferIsAcceptedOrRefused_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QList<int>>("states");

    QTest::newRow("accepted") << true
                              << QList<int>{FTAdapter::Connecting, FTAdapter::Transferring, FTAdapter::Received};
    QTest::newRow("refused") << false << QList<int>{FTAdapter::Cancelled};
}

void ChatTest::fileOfferIsAcceptedOrRefused()
{
    QFETCH(bool, accept);
    QFETCH(QList<int>, states);

    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    QTemporaryDir folder;
    Kivo::Models::FTModel* model =
        signedIn.session()->fileTransferController()->getCreateFTModel(signedIn.contacts()->findByAddress(Bob));
    QSignalSpy offered(model, &Kivo::Models::FTModel::newFTAdded);
    QSignalSpy askSave(model, &Kivo::Models::FTModel::askSaveLocation);
    QVERIFY(control().injectFileOffer(Bob, "../../notes.txt", 3000) != 0);
    QTRY_COMPARE(offered.size(), 1);
    FTAdapter* transfer = offered.first().first().value<FTAdapter*>();
    QCOMPARE(transfer->getState(), int(FTAdapter::IncomingOffer));
    QCOMPARE(transfer->getFileName(), QString("notes.txt"));
    QCOMPARE(transfer->getDirection(), int(FTAdapter::Incoming));
    QCOMPARE(model->getLastFt(), transfer);
    QSignalSpy changes(transfer, &FTAdapter::stateChanged);
    QSignalSpy progress(transfer, &FTAdapter::progressChanged);

    if (accept) {
        model->acceptFtClicked(transfer->getId());
        QCOMPARE(askSave.size(), 1);
        transfer->accept(folder.filePath("notes.txt"));
        QTRY_COMPARE(transfer->getState(), int(FTAdapter::Received));
        QCOMPARE(QFileInfo(folder.filePath("notes.txt")).size(), 3000);
        QCOMPARE(transfer->getPercent(), 100);
        QVERIFY(progress.size() >= 2);
    } else {
        model->cancelFtClicked(transfer->getId());
        QTRY_COMPARE(transfer->getState(), int(FTAdapter::Cancelled));
        QVERIFY(!QFileInfo::exists(folder.filePath("notes.txt")));
    }
    QCOMPARE(transferStates(changes), states);
}

void ChatTest::ownFileOfferIsTakenOrDeclined_data()
{
    QTest::addColumn<bool>("taken");
    QTest::addColumn<int>("last");

    QTest::newRow("taken") << true << int(FTAdapter::Sent);
    QTest::newRow("declined") << false << int(FTAdapter::Declined);
}

void ChatTest::ownFileOfferIsTakenOrDeclined()
{
    QFETCH(bool, taken);
    QFETCH(int, last);

    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    control().setAutoAnswer(false);
    QTemporaryDir folder;
    QFile file(folder.filePath("plan.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1024, 'x'));
    file.close();
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    signedIn.comms()->createChat({Bob});
    ChatInterface* chat = nextSession(created)->getChat();
    Kivo::Models::FTModel* model =
        signedIn.session()->fileTransferController()->getCreateFTModel(signedIn.contacts()->findByAddress(Bob));
    QSignalSpy offered(model, &Kivo::Models::FTModel::newFTAdded);
    signedIn.session()->fileTransferController()->startFileTransfer(chat, file.fileName());
    QCOMPARE(offered.size(), 1);
    FTAdapter* transfer = offered.first().first().value<FTAdapter*>();
    QCOMPARE(transfer->getState(), int(FTAdapter::Offered));
    QCOMPARE(transfer->getDirection(), int(FTAdapter::Outgoing));
    QSignalSpy rejected(transfer, &FTAdapter::transferRejected);
    QTRY_VERIFY(service().fileTransfer(transfer->transferId()));
    QVERIFY(taken ? control().injectFileAccepted(transfer->transferId())
                  : control().injectFileDeclined(transfer->transferId()));
    QTRY_COMPARE(transfer->getState(), last);
    QCOMPARE(rejected.size(), taken ? 0 : 1);
}

void ChatTest::forbiddenFileTypesAreRefusedBothWays()
{
    SignedIn signedIn({{172, QStringList({"exe", ".BAT"})}});
    QVERIFY(signedIn.isReady());
    Kivo::Controllers::FtController* transfers = signedIn.session()->fileTransferController();
    QVERIFY(!transfers->isAcceptedFile("/tmp/setup.EXE"));
    QVERIFY(!transfers->isAcceptedFile("run.bat"));
    QVERIFY(transfers->isAcceptedFile("notes.txt"));

    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    signedIn.comms()->createChat({Bob});
    ChatInterface* chat = nextSession(created)->getChat();
    QSignalSpy refusedOwn(chat, &ChatInterface::ftRejectedByExtension);
    Kivo::Models::FTModel* model = transfers->getCreateFTModel(signedIn.contacts()->findByAddress(Bob));
    QSignalSpy offered(model, &Kivo::Models::FTModel::newFTAdded);
    transfers->startFileTransfer(chat, "/tmp/setup.exe");
    QCOMPARE(refusedOwn.size(), 1);
    QVERIFY(offered.isEmpty());

    QVERIFY(control().injectFileOffer(Bob, "tool.exe", 10) != 0);
    QTRY_COMPARE(offered.size(), 1);
    FTAdapter* transfer = offered.first().first().value<FTAdapter*>();
    QCOMPARE(transfer->getState(), int(FTAdapter::Cancelled));
    QVERIFY(transfer->isForbiddenType());
}

void ChatTest::lostChatConnectionFailsMessagesUntilItReturns()
{
    SignedIn signedIn;
    QVERIFY(signedIn.isReady());
    Kivo::Sessions::SubSession* xmpp = signedIn.session()->xmppSubSession();
    QTRY_COMPARE(xmpp->getState(), Kivo::Sessions::SubSession::Connected);
    QSignalSpy created(signedIn.comms(), &CommsSessionController::sessionCreated);
    signedIn.comms()->createChat({Bob});
    ChatInterface* chat = nextSession(created)->getChat();
    QSignalSpy failed(chat, &ChatInterface::messageSendingFailed);
    MessageLog added(chat->getChatModel());

    QVERIFY(control().injectLinkLost(1));
    QTRY_COMPARE(xmpp->getState(), Kivo::Sessions::SubSession::Failed);
    chat->sendMessage("Are you there?");
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(added.last().getFlags() & Data::TimedOut, int(Data::TimedOut));

    QVERIFY(control().injectLinkRestored(1));
    QTRY_COMPARE(xmpp->getState(), Kivo::Sessions::SubSession::Connected);
    chat->sendMessage("Back again.");
    QTRY_COMPARE(added.size(), 2);
    QCOMPARE(added.last().getFlags() & Data::TimedOut, 0);
    QCOMPARE(failed.size(), 1);
}

QTEST_MAIN(ChatTest)
#include "tst_chat.moc"
