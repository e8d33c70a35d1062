// What an account of the service's data file says of its conversations, and what of it is
// left out.
#include <Kivo/Simulation/ConversationData.h>

#include <Tesk/Core/Logging/RecordCapture.h>

#include <QJsonDocument>
#include <QtTest>

using Kivo::Simulation::ConversationBook;
using Kivo::Simulation::ConversationData;

class ConversationDataTest : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryKind();
    void malformedEntriesAreLeftOut_data();
    void malformedEntriesAreLeftOut();
};

namespace {

const QDateTime Now = QDateTime(QDate(2024, 5, 6), QTime(12, 0), Qt::UTC);

ConversationBook read(const QByteArray& json)
{
    ConversationBook book;
    ConversationData::read(QJsonDocument::fromJson(json).object(), "alice@test.example", Now, book);
    return book;
}

} // namespace

void ConversationDataTest::readsEveryKind()
{
    const ConversationBook book = read(R"({
      "history": [ { "remote": "bob@x", "direction": "out", "minutesAgo": 5, "duration": 30 },
                   { "remote": "+1555", "direction": "in", "missed": true, "time": "2024-05-06T08:00:00", "duration": 9 } ],
      "voiceMails": [ { "id": "v", "from": "bob@x", "kind": "fax", "minutesAgo": 1, "size": 100, "read": true } ],
      "rooms": [ { "jid": "r@conference.x", "members": ["bob@x"], "banned": ["eve@x"] } ],
      "conversations": [ { "with": "bob@x", "unread": 5, "messages": [
          { "from": "bob@x", "text": "second", "minutesAgo": 1 },
          { "from": "me", "text": "first", "minutesAgo": 2 } ] } ] })");

    QCOMPARE(book.callLog.size(), 2);
    // Kept in time order, whatever the file's order.
    QCOMPARE(book.callLog.first().remote, QString("+1555"));
    QVERIFY(book.callLog.first().missed);
    QCOMPARE(book.callLog.first().durationSeconds, 0);
    QCOMPARE(book.callLog.last().start, Now.addSecs(-5 * 60));
    QCOMPARE(book.voiceMails.size(), 1);
    QCOMPARE(book.voiceMails.first().kind, Kivo::Simulation::VoiceMailKind::Fax);
    QCOMPARE(book.voiceMails.first().sizeBytes, 100);
    const Kivo::Simulation::RoomRecord room = book.rooms.value("r@conference.x");
    QCOMPARE(room.name, QString("r"));
    QCOMPARE(room.owner, QString("alice@test.example"));
    QCOMPARE(room.roles.value("bob@x"), Kivo::Simulation::RoomRole::Member);
    QCOMPARE(room.roles.value("eve@x"), Kivo::Simulation::RoomRole::Outcast);
    QCOMPARE(room.roles.value("alice@test.example"), Kivo::Simulation::RoomRole::Owner);
    const QVector<Kivo::Simulation::ChatMessageRecord> messages = book.messages.value("bob@x");
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.first().text, QString("first"));
    QVERIFY(messages.first().outgoing);
    QCOMPARE(messages.first().from, QString("alice@test.example"));
    // No more unread messages than messages.
    QCOMPARE(book.unread.value("bob@x"), 2);
}

void ConversationDataTest::malformedEntriesAreLeftOut_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("log");

    QTest::newRow("history without direction")
        << QByteArray(R"({"history": [{"remote": "b", "minutesAgo": 1, "duration": 1}]})") << "history entry 0 left out";
    QTest::newRow("history with a negative duration")
        << QByteArray(R"({"history": [{"remote": "b", "direction": "in", "minutesAgo": 1, "duration": -4}]})")
        << "history entry 0 left out";
    QTest::newRow("time a century back")
        << QByteArray(R"({"history": [{"remote": "b", "direction": "in", "minutesAgo": 52560000, "duration": 1}]})")
        << "history entry 0 left out";
    QTest::newRow("voice mail of an unknown kind")
        << QByteArray(R"({"voiceMails": [{"id": "v", "from": "b", "kind": "telex", "minutesAgo": 1}]})")
        << "voice mail 0 left out";
    QTest::newRow("voice mail id twice")
        << QByteArray(R"({"voiceMails": [{"id": "v", "from": "b", "minutesAgo": 1}, {"id": "v", "from": "c", "minutesAgo": 2}]})")
        << "voice mail 1 left out: its id appears twice";
    QTest::newRow("room without an address") << QByteArray(R"({"rooms": [{"name": "x"}]})") << "room 0 left out";
    QTest::newRow("conversation without a peer")
        << QByteArray(R"({"conversations": [{"messages": []}]})") << "conversation 0 left out";
}

void ConversationDataTest::malformedEntriesAreLeftOut()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, log);

    Tesk::Core::Logging::RecordCapture logs;
    const ConversationBook book = read(json);
    QVERIFY(logs.contains(log));
    QVERIFY(book.callLog.isEmpty());
    QVERIFY(book.rooms.isEmpty());
    QVERIFY(book.messages.isEmpty());
    QVERIFY(book.voiceMails.size() <= 1);
}

QTEST_GUILESS_MAIN(ConversationDataTest)
#include "tst_conversation_data.moc"
