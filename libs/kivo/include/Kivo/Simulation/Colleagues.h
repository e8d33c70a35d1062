#pragma once

#include <Kivo/Simulation/Types.h>

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>

class QTimer;

namespace Kivo {
namespace Simulation {

class Service;
struct ChatMessageRecord;

// The people the signed-in user works with, as the service plays them: a colleague answers
// the user's chat after a short pause with one of its lines, never the same twice in a row,
// picks up the user's call after a few rings, and its monitored line follows its calls with
// the user. Who they are comes with each account's data:
//
//     "colleagues": [ { "address": "bob@demo.telvarion.net", "rings": 2,
//                       "replies": [ "Sure, give me a minute.", "Sounds good!" ] } ]
//
// A colleague is reached at its address or at the number its contact entry lists. Nobody
// calls the user or writes first: what comes unasked comes from Control. A timer runs only
// while a colleague has something to do.
class Colleagues : public QObject
{
    Q_OBJECT

public:
    // One ring of a call at the far end.
    static constexpr int RingMilliseconds = 2000;
    // From the user's message to the colleague's typing, and to the reply.
    static constexpr int TypingMilliseconds = 800;
    static constexpr int ReplyMilliseconds = 2200;

    explicit Colleagues(Service& service);

    // Takes the colleagues of every account from account data; data without any leaves
    // nobody who answers by itself. Forgets what was pending.
    void load(const QByteArray& json);
    // Whether `address` (an address or a number) reaches a colleague of the signed-in user.
    bool isColleague(const QString& address) const;
    // The service asks who takes a call of the user that rings at the far end: true when a
    // colleague does, after a few rings; the service answers the others itself.
    bool takeCall(const Call& call);
    // Something is still to be done (a reply, a pick-up).
    bool isBusy() const { return !m_Pending.isEmpty(); }
    // Colleagues who do nothing of their own (Control::setColleaguesActive): the far end
    // answers calls as it does for anybody, and nobody replies. Forgets what was pending.
    void setActive(bool active);
    bool isActive() const { return m_Active; }

private:
    struct Colleague
    {
        QString address;
        QStringList replies;
        int rings = 2;
        // The reply last given, so that the next is another.
        int lastReply = -1;
    };
    struct Pending
    {
        qint64 due = 0;
        // What a later event makes pointless (a reply to a colleague who is writing one
        // already, say) is not queued twice.
        QString key;
        std::function<void()> action;
    };

    Colleague* find(const QString& address);
    const Colleague* find(const QString& address) const;
    void onMessageStored(const ChatMessageRecord& message);
    void onCallUpdated(const Call& call);
    void schedule(const QString& key, int delay, std::function<void()> action);
    void runDue();
    // The timer waits for the first thing due, and runs only while something is.
    void rearm();
    void forget();
    // The colleague's next line: any other than the last one.
    QString nextReply(Colleague& colleague);

    Service& m_Service;
    // The monitored lines, by address in lower case, that a colleague's call with the user
    // keeps from idle.
    QSet<QString> m_LinesInCall;
    // By the account's user name in lower case.
    QHash<QString, QList<Colleague>> m_ByAccount;
    QList<Pending> m_Pending;
    QElapsedTimer m_Clock;
    QTimer* m_Timer;
    bool m_Active = true;
};

} // namespace Simulation
} // namespace Kivo
