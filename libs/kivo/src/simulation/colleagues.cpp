// The demo's colleagues: the people on the other side of the user's chats and calls.
#include <Kivo/Simulation/Colleagues.h>

#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelDebug;
using Tesk::Core::Logging::LevelWarning;

// A colleague picks up after at least one ring and never lets a call ring for minutes.
constexpr int MaxRings = 10;

// Numbers compare by their digits and a leading "+": "+1 555 0101" reaches "+15550101".
QString dialled(const QString& number)
{
    QString digits;
    for (const QChar c : number) {
        if (c.isDigit() || (c == '+' && digits.isEmpty()))
            digits.append(c);
    }
    return digits;
}

} // namespace

Colleagues::Colleagues(Service& service)
    : QObject(&service)
    , m_Service(service)
    , m_Timer(new QTimer(this))
{
    m_Timer->setSingleShot(true);
    connect(m_Timer, &QTimer::timeout, this, &Colleagues::runDue);
    connect(&service, &Service::chatMessageStored, this, &Colleagues::onMessageStored);
    connect(&service, &Service::callUpdated, this, &Colleagues::onCallUpdated);
    connect(&service, &Service::signedOut, this, &Colleagues::forget);
    m_Clock.start();
}

void Colleagues::load(const QByteArray& json)
{
    forget();
    m_ByAccount.clear();
    const QJsonArray accounts = QJsonDocument::fromJson(json).object().value(QStringLiteral("accounts")).toArray();
    for (const QJsonValue& account : accounts) {
        const QString user = account.toObject().value(QStringLiteral("user")).toString().trimmed().toLower();
        const QJsonArray entries = account.toObject().value(QStringLiteral("colleagues")).toArray();
        for (const QJsonValue& entry : entries) {
            const QJsonObject object = entry.toObject();
            Colleague colleague;
            colleague.address = object.value(QStringLiteral("address")).toString().trimmed();
            colleague.rings = qBound(1, object.value(QStringLiteral("rings")).toInt(2), MaxRings);
            for (const QJsonValue& reply : object.value(QStringLiteral("replies")).toArray()) {
                if (!reply.toString().trimmed().isEmpty())
                    colleague.replies.append(reply.toString());
            }
            if (user.isEmpty() || !Service::isCallableAddress(colleague.address)) {
                KIVO_LOG(LevelWarning) << "Simulated service: a colleague without a usable address left out";
                continue;
            }
            m_ByAccount[user].append(colleague);
        }
    }
}

const Colleagues::Colleague* Colleagues::find(const QString& address) const
{
    const QString wanted = address.trimmed();
    if (m_ByAccount.isEmpty() || !m_Service.m_SignedIn || wanted.isEmpty())
        return nullptr;
    const Account& account = m_Service.m_Accounts.at(*m_Service.m_SignedIn);
    const auto found = m_ByAccount.constFind(account.userName.toLower());
    if (found == m_ByAccount.constEnd())
        return nullptr;
    // A number reaches the colleague whose contact entry lists it.
    QString byNumber;
    const QString number = dialled(wanted);
    if (!number.isEmpty() && !wanted.contains('@')) {
        for (const Contact& contact : account.contacts) {
            if (dialled(contact.number) == number)
                byNumber = contact.address;
        }
    }
    for (const Colleague& colleague : *found) {
        if (colleague.address.compare(wanted, Qt::CaseInsensitive) == 0
            || (!byNumber.isEmpty() && colleague.address.compare(byNumber, Qt::CaseInsensitive) == 0))
            return &colleague;
    }
    return nullptr;
}

Colleagues::Colleague* Colleagues::find(const QString& address)
{
    // The lists are this object's alone, never shared: the colleague found is changed in place.
    return const_cast<Colleague*>(static_cast<const Colleagues*>(this)->find(address));
}

void Colleagues::setActive(bool active)
{
    m_Active = active;
    if (!active) {
        m_Pending.clear();
        rearm();
    }
}

bool Colleagues::isColleague(const QString& address) const
{
    return find(address) != nullptr;
}

bool Colleagues::takeCall(const Call& call)
{
    const Colleague* colleague = m_Active && call.parties.isEmpty() ? find(call.remote) : nullptr;
    if (!colleague)
        return false;
    const int callId = call.id;
    KIVO_LOG(LevelDebug) << "Simulated service: " << colleague->address << " picks up call " << callId << " after "
                         << colleague->rings << " ring(s)";
    schedule(QStringLiteral("answer:%1").arg(callId), colleague->rings * RingMilliseconds, [this, callId] {
        const std::optional<Call> ringing = m_Service.call(callId);
        if (ringing && ringing->state == CallState::Ringing && !ringing->incoming)
            Control(m_Service).injectRemoteAnswer(callId);
    });
    return true;
}

void Colleagues::onMessageStored(const ChatMessageRecord& message)
{
    if (!m_Active || !message.outgoing || message.failed)
        return;
    Colleague* colleague = find(message.conversation);
    if (!colleague || colleague->replies.isEmpty())
        return;
    const QString address = colleague->address;
    // Several lines in a row get one answer.
    const QString replyKey = QStringLiteral("reply:") + address.toLower();
    if (std::any_of(m_Pending.cbegin(), m_Pending.cend(), [&replyKey](const Pending& p) { return p.key == replyKey; }))
        return;
    schedule(QStringLiteral("typing:") + address.toLower(), TypingMilliseconds,
             [this, address] { Control(m_Service).injectTyping(address, true); });
    schedule(replyKey, ReplyMilliseconds, [this, address] {
        Colleague* colleague = find(address);
        if (!colleague)
            return;
        Control control(m_Service);
        control.injectTyping(address, false);
        control.injectChatMessage(address, nextReply(*colleague));
    });
}

QString Colleagues::nextReply(Colleague& colleague)
{
    const int count = colleague.replies.size();
    int next = 0;
    if (count > 1) {
        // Any line but the last one: a step of 1 to count - 1 from it.
        next = colleague.lastReply < 0 ? QRandomGenerator::global()->bounded(count)
                                       : (colleague.lastReply + 1 + QRandomGenerator::global()->bounded(count - 1)) % count;
    }
    colleague.lastReply = next;
    return colleague.replies.at(next);
}

void Colleagues::onCallUpdated(const Call& call)
{
    if (!m_Active || m_ByAccount.isEmpty() || !m_Service.m_SignedIn)
        return;
    const QString ownAddress = m_Service.m_Accounts.at(*m_Service.m_SignedIn).userName;
    if (call.state == CallState::Ended) {
        const QString answer = QStringLiteral("answer:%1").arg(call.id);
        m_Pending.erase(std::remove_if(m_Pending.begin(), m_Pending.end(),
                                       [&answer](const Pending& p) { return p.key == answer; }),
                        m_Pending.end());
        rearm();
    }
    int state = BlfIdle;
    switch (call.state) {
    case CallState::Ringing:
        // A colleague who calls the user is on the phone already; one whom the user calls
        // is not until the pick-up.
        if (!call.incoming)
            return;
        state = BlfOutgoing;
        break;
    case CallState::Active:
        state = call.heldByUser || call.heldByRemote ? BlfHeld : BlfBusy;
        break;
    case CallState::Ended:
        state = BlfIdle;
        break;
    }
    const QList<BlfLine> lines = m_Service.monitoredLines();
    const QStringList parties = call.parties.isEmpty() ? QStringList{call.remote} : call.parties;
    for (const QString& party : parties) {
        const Colleague* colleague = find(party);
        if (!colleague)
            continue;
        const auto line = std::find_if(lines.cbegin(), lines.cend(), [colleague](const BlfLine& line) {
            return line.address.compare(colleague->address, Qt::CaseInsensitive) == 0;
        });
        if (line == lines.cend())
            continue;
        const QString caller = state == BlfIdle ? QString() : ownAddress;
        if (line->state == state && line->caller == caller)
            continue;
        if (state == BlfIdle)
            m_LinesInCall.remove(line->address.toLower());
        else
            m_LinesInCall.insert(line->address.toLower());
        Control(m_Service).injectBlfLineState(line->address, state, caller);
    }
}

void Colleagues::schedule(const QString& key, int delay, std::function<void()> action)
{
    m_Pending.append({m_Clock.elapsed() + delay, key, std::move(action)});
    std::stable_sort(m_Pending.begin(), m_Pending.end(),
                     [](const Pending& a, const Pending& b) { return a.due < b.due; });
    rearm();
}

void Colleagues::runDue()
{
    while (!m_Pending.isEmpty() && m_Pending.first().due <= m_Clock.elapsed()) {
        const Pending pending = m_Pending.takeFirst();
        pending.action();
    }
    rearm();
}

void Colleagues::rearm()
{
    if (m_Pending.isEmpty())
        m_Timer->stop();
    else
        m_Timer->start(int(qMax<qint64>(0, m_Pending.first().due - m_Clock.elapsed())));
}

void Colleagues::forget()
{
    m_Pending.clear();
    m_Timer->stop();
    // The calls ended with the session, and with them the colleagues' calls with the user.
    for (const QString& address : qAsConst(m_LinesInCall))
        m_Service.m_BlfLines.remove(address);
    m_LinesInCall.clear();
}

void Control::setColleaguesActive(bool active)
{
    m_Service.colleagues().setActive(active);
}

} // namespace Simulation
} // namespace Kivo
