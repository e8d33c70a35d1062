// The history of a signed-in session: call log, conversations and mailbox, with what is
// new in them.
#include "conversation_fixture.h"

#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/Databases/Comms.h>
#include <Kivo/Models/Timeline.h>
#include <Kivo/Models/TimelineEntry.h>
#include <Kivo/Models/TimelineFilter.h>
#include <Kivo/Vyx/VyxCallHistoryController.h>

#include <QPointer>
#include <QTemporaryDir>

#include <memory>

using namespace ConversationFixture;
using Kivo::Models::Timeline;
using Kivo::Models::TimelineEntry;
using Kivo::Models::TimelineEntryVoiceMail;
using Kivo::Models::TimelineFilter;

namespace {

TimelineEntry* entryAt(const QAbstractItemModel& model, int row)
{
    return model.index(row, 0).data(Timeline::EntryRole).value<TimelineEntry*>();
}

} // namespace

class TimelineTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void historyJoinsCallsChatsAndMailNewestFirst();
    void visitingTheCallLogClearsMissedCalls();
    void filterShowsOneKind_data();
    void filterShowsOneKind();
    void voiceMailIsPlayedAndDeleted();
    void faxIsSavedAsDocument();
    void newVoiceMailAndChatAppear();
    void serverInterfaceDownFailsItsRequests();

private:
    // A timeline over the fixture's session, with every source on.
    void makeTimeline();

    std::unique_ptr<SignedIn> m_SignedIn;
    std::unique_ptr<Kivo::Databases::Comms> m_Comms;
    std::unique_ptr<Timeline> m_Timeline;
};

void TimelineTest::init()
{
    m_Timeline.reset();
    m_Comms.reset();
    m_SignedIn.reset();
}

void TimelineTest::makeTimeline()
{
    m_SignedIn = std::make_unique<SignedIn>();
    QVERIFY(m_SignedIn->isReady());
    m_Comms = std::make_unique<Kivo::Databases::Comms>();
    m_SignedIn->session()->xmppChatController()->setCommsDb(m_Comms.get());
    QTRY_VERIFY(m_Comms->contains(Chiara));
    m_Timeline = std::make_unique<Timeline>(m_SignedIn->session()->contactsManager(), m_Comms.get(),
                                            m_SignedIn->session()->vyxCallHistoryController(),
                                            m_SignedIn->session()->callController(), Timeline::VideoVoiceMail, true);
    // Three calls, a conversation and two messages of the mailbox.
    QTRY_COMPARE(m_Timeline->rowCount(), 6);
}

void TimelineTest::historyJoinsCallsChatsAndMailNewestFirst()
{
    makeTimeline();
    QList<int> kinds;
    QDateTime previous = QDateTime::currentDateTime().addSecs(60);
    for (int row = 0; row < m_Timeline->rowCount(); ++row) {
        const TimelineEntry* entry = entryAt(*m_Timeline, row);
        QVERIFY(entry->getTime() <= previous);
        previous = entry->getTime();
        kinds.append(entry->getType());
        QCOMPARE(m_Timeline->index(row).data(Timeline::ItemKindRole).toInt(), Timeline::EntryKind);
    }
    QCOMPARE(kinds, QList<int>({TimelineEntry::VoiceMail, TimelineEntry::ChatEntry, TimelineEntry::Call,
                                TimelineEntry::VoiceMail, TimelineEntry::Call, TimelineEntry::Call}));
    // One missed call, one unread conversation, one unread voice mail.
    QCOMPARE(m_Timeline->missedCallCount(), 1);
    QCOMPARE(m_Timeline->missedChatCount(), 1);
    QCOMPARE(m_Timeline->unreadVoiceMailCount(), 1);
    QCOMPARE(m_Timeline->newCommsCount(), 3);

    const TimelineEntry* chat = entryAt(*m_Timeline, 1);
    QCOMPARE(chat->getMessage(), QString("Yes, five minutes."));
    QCOMPARE(chat->getDisplayName(), QString("Chiara Rossi"));
    QCOMPARE(chat->getDirection(), int(TimelineEntry::Incoming));
    // A party who is no contact still gets one to call back.
    const TimelineEntry* stranger = entryAt(*m_Timeline, 2);
    QCOMPARE(stranger->getRemoteAddress(), QString("+15559999"));
    QCOMPARE(stranger->getSubType(), int(TimelineEntry::Video));
    auto* contact = qobject_cast<Kivo::Contacts::IContact*>(stranger->property("contact").value<QObject*>());
    QVERIFY(contact && contact->isTemporary());
    QCOMPARE(entryAt(*m_Timeline, 4)->getDisplayName(), QString("Chiara Rossi"));
}

void TimelineTest::visitingTheCallLogClearsMissedCalls()
{
    makeTimeline();
    QSignalSpy counts(m_Timeline.get(), &Timeline::newCommsCountChanged);
    m_Timeline->clearMissedCalls();
    QCOMPARE(m_Timeline->missedCallCount(), 0);
    QCOMPARE(counts.size(), 1);
    QVERIFY(m_Timeline->lastCallLogsVisitedTime().isValid());

    // The visit is remembered: fetched again, the old missed call is not new.
    m_Timeline->fetchCallLogs();
    QTest::qWait(20);
    QCOMPARE(m_Timeline->missedCallCount(), 0);
    // A call missed after the visit is new.
    QVERIFY(control().injectIncomingCall(Dev) != 0);
    QTRY_COMPARE(service().calls().size(), 1);
    QVERIFY(control().injectRemoteHangUp(service().calls().first().id));
    QTRY_COMPARE(m_Timeline->missedCallCount(), 1);

    m_Timeline->clearMissedHistory();
    QTRY_COMPARE(m_Timeline->newCommsCount(), 0);
}

void TimelineTest::filterShowsOneKind_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("rows");

    QTest::newRow("chats") << int(TimelineFilter::Chat) << 1;
    QTest::newRow("calls") << int(TimelineFilter::Call) << 3;
    QTest::newRow("voice mail") << int(TimelineFilter::VoiceMail) << 2;
}

void TimelineTest::filterShowsOneKind()
{
    QFETCH(int, type);
    QFETCH(int, rows);

    makeTimeline();
    TimelineFilter filter;
    filter.setSourceModel(m_Timeline.get());
    filter.resetFilter(TimelineFilter::Type(type));
    QCOMPARE(filter.rowCount(), rows);
    QCOMPARE(filter.getFilterType(), type);
}

void TimelineTest::voiceMailIsPlayedAndDeleted()
{
    makeTimeline();
    auto* mail = qobject_cast<TimelineEntryVoiceMail*>(m_Timeline->entry("vm-1"));
    QVERIFY(mail);
    QCOMPARE(mail->getMediaDuration(), 1000);
    QSignalSpy states(mail, &TimelineEntryVoiceMail::mediaStateChanged);
    QSignalSpy positions(mail, &TimelineEntryVoiceMail::positionChanged);
    mail->playMedia();
    QCOMPARE(mail->getMediaState(), int(TimelineEntryVoiceMail::Downloading));
    QTRY_COMPARE(mail->getMediaState(), int(TimelineEntryVoiceMail::Playing));
    QVERIFY(mail->media().startsWith("RIFF"));
    // Listening reads it.
    QTRY_COMPARE(m_Timeline->unreadVoiceMailCount(), 0);
    QTRY_VERIFY(positions.size() >= 2);
    mail->pauseMedia();
    QCOMPARE(mail->getMediaState(), int(TimelineEntryVoiceMail::Paused));
    const qint64 paused = mail->getPosition();
    QTest::qWait(250);
    QCOMPARE(mail->getPosition(), paused);
    mail->playMedia();
    QTRY_COMPARE_WITH_TIMEOUT(mail->getMediaState(), int(TimelineEntryVoiceMail::Stopped), 3000);
    QCOMPARE(mail->getPosition(), 0);

    // A call pauses what plays.
    mail->playMedia();
    m_Timeline->pauseMedia();
    QCOMPARE(mail->getMediaState(), int(TimelineEntryVoiceMail::Paused));

    QPointer<TimelineEntryVoiceMail> deleted = mail;
    m_Timeline->deleteVoiceMail("vm-1");
    QTRY_VERIFY(!deleted);
    QCOMPARE(m_Timeline->rowCount(), 5);
    QVERIFY(!m_Timeline->entry("vm-1"));
}

void TimelineTest::faxIsSavedAsDocument()
{
    makeTimeline();
    auto* fax = qobject_cast<TimelineEntryVoiceMail*>(m_Timeline->entry("vm-2"));
    QVERIFY(fax);
    QCOMPARE(fax->getSubType(), int(TimelineEntry::Fax));
    QCOMPARE(fax->getFileSize(), 4096);
    QTemporaryDir folder;
    QSignalSpy saved(fax, &TimelineEntryVoiceMail::mediaSaved);
    QVERIFY(fax->saveMediaTo(folder.filePath("fax.pdf")));
    QTRY_COMPARE(saved.size(), 1);
    QFile file(folder.filePath("fax.pdf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF-1.4"));
    // A folder that cannot be written to leaves the message where it was.
    QVERIFY(!fax->saveMediaTo(folder.filePath("missing/fax.pdf")));
    QCOMPARE(fax->getMediaState(), int(TimelineEntryVoiceMail::StorageFull));
}

void TimelineTest::newVoiceMailAndChatAppear()
{
    makeTimeline();
    QSignalSpy waiting(&service(), &Kivo::Simulation::Service::messagesWaiting);
    const QString id = control().injectVoiceMail(Dev, Kivo::Simulation::VoiceMailKind::Video, 12);
    QVERIFY(!id.isEmpty());
    QTRY_COMPARE(m_Timeline->rowCount(), 7);
    QCOMPARE(entryAt(*m_Timeline, 0)->getEntryId(), id);
    QCOMPARE(entryAt(*m_Timeline, 0)->getSubType(), int(TimelineEntry::Video));
    QCOMPARE(m_Timeline->unreadVoiceMailCount(), 2);
    QTRY_COMPARE(waiting.size(), 1);
    QCOMPARE(waiting.first().at(0).toInt(), 1);
    QCOMPARE(waiting.first().at(1).toInt(), 1);

    // A new message moves its conversation to the top; somebody new adds one.
    QVERIFY(control().injectChatMessage(Chiara, "Done."));
    QTRY_COMPARE(entryAt(*m_Timeline, 0)->getMessage(), QString("Done."));
    QCOMPARE(m_Timeline->rowCount(), 7);
    QVERIFY(control().injectChatMessage(Bob, "Call me."));
    QTRY_COMPARE(m_Timeline->rowCount(), 8);
    QCOMPARE(m_Timeline->missedChatCount(), 2);
    emit entryAt(*m_Timeline, 0)->dismissUnreadMessages();
    QTRY_COMPARE(m_Timeline->missedChatCount(), 1);
}

void TimelineTest::serverInterfaceDownFailsItsRequests()
{
    makeTimeline();
    QSignalSpy deleteFailed(m_Timeline.get(), &Timeline::voicemailDeleteFailed);
    QSignalSpy readFailed(m_Timeline.get(), &Timeline::voicemailSetReadStatusFailed);
    QVERIFY(control().injectLinkLost(2));
    QTRY_VERIFY(!service().isLinkUp(2));
    m_Timeline->deleteVoiceMail("vm-2");
    m_Timeline->clearUnreadVoiceMails();
    m_Timeline->fetchCallLogs();
    QTRY_VERIFY(m_Timeline->calllogsRetrievalFailed());
    QCOMPARE(deleteFailed.size(), 1);
    QCOMPARE(readFailed.size(), 1);
    QCOMPARE(m_Timeline->rowCount(), 6);
    auto* mail = qobject_cast<TimelineEntryVoiceMail*>(m_Timeline->entry("vm-1"));
    mail->playMedia();
    QTRY_COMPARE(mail->getMediaState(), int(TimelineEntryVoiceMail::DownloadFailed));

    QVERIFY(control().injectLinkRestored(2));
    m_Timeline->fetchCallLogs();
    QTRY_VERIFY(!m_Timeline->calllogsRetrievalFailed());
    m_Timeline->deleteVoiceMail("vm-2");
    QTRY_COMPARE(m_Timeline->rowCount(), 5);
}

QTEST_MAIN(TimelineTest)
#include "tst_timeline.moc"
