#include <Kivo/Simulation/AccountData.h>
#include <Kivo/Simulation/Colleagues.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTimer>

// Resources of a static library are registered by name, outside any namespace.
static void initKivoData()
{
    Q_INIT_RESOURCE(kivo_data);
}

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelDebug;
using Tesk::Core::Logging::LevelError;
using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

const char* const DemoAccountResource = ":/kivo/demo_account.json";

bool isPresence(int presence)
{
    return presence >= MinPresence && presence <= MaxPresence;
}

} // namespace

Service::Service(QObject* parent)
    : QObject(parent)
    , m_Colleagues(new Colleagues(*this))
{
    qRegisterMetaType<Kivo::Simulation::SignInError>();
    qRegisterMetaType<Kivo::Simulation::CallState>();
    qRegisterMetaType<Kivo::Simulation::ContactRecord>();
    qRegisterMetaType<Kivo::Simulation::GroupRecord>();
    qRegisterMetaType<Kivo::Simulation::Call>();
    qRegisterMetaType<Kivo::Simulation::CallEnd>();
    qRegisterMetaType<Kivo::Simulation::CallLogRecord>();
    qRegisterMetaType<Kivo::Simulation::VoiceMailRecord>();
    qRegisterMetaType<Kivo::Simulation::ChatMessageRecord>();
    qRegisterMetaType<Kivo::Simulation::RoomRecord>();
    qRegisterMetaType<Kivo::Simulation::RoomConfig>();
    qRegisterMetaType<Kivo::Simulation::RoomJoinError>();
    qRegisterMetaType<Kivo::Simulation::FileTransferRecord>();
    qRegisterMetaType<Kivo::Simulation::ShareRecord>();
}

Service& Service::shared()
{
    static QPointer<Service> instance;
    if (!instance) {
        instance = new Service(QCoreApplication::instance());
        instance->loadStartAccounts();
    }
    return *instance;
}

bool Service::load(const QByteArray& json, QString* error)
{
    ++m_Generation;
    m_SignedIn.reset();
    m_SigningIn = false;
    m_Calls.clear();
    m_Accounts.clear();
    m_ContactBooks.clear();
    m_ConversationBooks.clear();
    m_Parked.clear();
    m_Shares.clear();
    m_BlfLines.clear();
    m_DownLinks.clear();
    contactsReordered();
    m_Colleagues->load(json);

    QString problem;
    if (!AccountData::parse(json, m_Accounts, &problem)) {
        KIVO_LOG(LevelError) << "Simulated service: account data not loaded: " << problem;
        if (error)
            *error = problem;
        return false;
    }
    loadLocations(json);
    loadMyRooms(json);
    loadConversations(json);
    loadServiceSettings(json);
    KIVO_LOG(LevelInfo) << "Simulated service: " << int(m_Accounts.size()) << " account(s) loaded";
    return true;
}

bool Service::loadDemoAccount()
{
    initKivoData();
    QFile file(QString::fromLatin1(DemoAccountResource));
    if (!file.open(QIODevice::ReadOnly)) {
        KIVO_LOG(LevelError) << "Simulated service: cannot open " << DemoAccountResource;
        return load(QByteArray());
    }
    return load(file.readAll());
}

void Service::setLatency(int milliseconds)
{
    m_Latency = qMax(0, milliseconds);
}

QStringList Service::userNames() const
{
    QStringList names;
    for (const Account& account : m_Accounts)
        names.append(account.userName);
    return names;
}

int Service::accountIndex(const QString& userName) const
{
    const QString wanted = userName.trimmed();
    for (int index = 0; index < m_Accounts.size(); ++index) {
        if (m_Accounts.at(index).userName.compare(wanted, Qt::CaseInsensitive) == 0)
            return index;
    }
    return -1;
}

SignInError Service::checkCredentials(const QString& userName, const QString& password) const
{
    const int index = accountIndex(userName);
    if (index < 0)
        return SignInError::UnknownUser;
    if (m_Accounts.at(index).password != password)
        return SignInError::WrongPassword;
    return SignInError::None;
}

void Service::signIn(const QString& userName, const QString& password)
{
    if (m_SignedIn || m_SigningIn) {
        post([this, userName] { emit signInFailed(userName, SignInError::AlreadySignedIn); }, false);
        return;
    }
    m_SigningIn = true;
    post(
        [this, userName, password] {
            m_SigningIn = false;
            const SignInError error =
                m_Reachable ? checkCredentials(userName, password) : SignInError::ServerUnreachable;
            if (error != SignInError::None) {
                KIVO_LOG(LevelInfo) << "Simulated service: sign-in of " << userName << " refused ("
                                    << int(error) << ")";
                emit signInFailed(userName, error);
                return;
            }
            m_SignedIn = accountIndex(userName);
            contactsReordered();
            ++m_Session;
            KIVO_LOG(LevelInfo) << "Simulated service: " << userName << " signed in";
            emit signedIn(m_Accounts.at(*m_SignedIn).userName);
            // The mailbox tells what waits as soon as the session is there, as it does on
            // every change later.
            post([this] { announceWaitingMessages(); }, true);
        },
        false);
}

void Service::signOut()
{
    if (!m_SignedIn) {
        KIVO_LOG(LevelDebug) << "Simulated service: sign-out without a session ignored";
        return;
    }
    post([this] { endSession(QString()); }, true);
}

bool Service::answerCall(int callId)
{
    const auto found = m_Calls.constFind(callId);
    if (found == m_Calls.constEnd() || !found->incoming || found->state != CallState::Ringing) {
        KIVO_LOG(LevelWarning) << "Simulated service: no ringing call " << callId << " to answer";
        return false;
    }
    postAnswer(callId);
    return true;
}

bool Service::endCall(int callId)
{
    if (!m_Calls.contains(callId)) {
        KIVO_LOG(LevelWarning) << "Simulated service: no call " << callId << " to end";
        return false;
    }
    postEnd(callId, CallEnd::HungUp);
    return true;
}

bool Service::sessionOpen(const char* request) const
{
    if (!m_SignedIn)
        KIVO_LOG(LevelWarning) << "Simulated service: " << request << " without a session refused";
    return m_SignedIn.has_value();
}

void Service::postAnswer(int callId)
{
    post(
        [this, callId] {
            auto call = m_Calls.find(callId);
            if (call == m_Calls.end() || call->state != CallState::Ringing)
                return;
            call->state = CallState::Active;
            call->answered = QDateTime::currentDateTimeUtc();
            const Call answered = *call;
            emit callStateChanged(callId, CallState::Active);
            emit callUpdated(answered);
        },
        true);
}

void Service::postEnd(int callId, CallEnd reason)
{
    post([this, callId, reason] { endCall(callId, reason); }, true);
}

void Service::setOwnPresence(int presence)
{
    if (!m_SignedIn || !isPresence(presence)) {
        KIVO_LOG(LevelWarning) << "Simulated service: own presence " << presence << " refused";
        return;
    }
    post(
        [this, presence] {
            m_Accounts[*m_SignedIn].presence = presence;
            emit ownPresenceChanged(presence);
        },
        true);
}

std::optional<Account> Service::signedInAccount() const
{
    if (!m_SignedIn)
        return std::nullopt;
    return m_Accounts.at(*m_SignedIn);
}

QList<Contact> Service::contacts() const
{
    return m_SignedIn ? m_Accounts.at(*m_SignedIn).contacts : QList<Contact>();
}

std::optional<Contact> Service::contact(int contactId) const
{
    if (const Contact* found = findContact(contactId))
        return *found;
    return std::nullopt;
}

const Contact* Service::findContact(int contactId) const
{
    if (!m_SignedIn)
        return nullptr;
    const QList<Contact>& contacts = m_Accounts.at(*m_SignedIn).contacts;
    if (!m_ContactPositionsValid) {
        m_ContactPositions.clear();
        m_ContactPositions.reserve(contacts.size());
        for (int position = 0; position < contacts.size(); ++position)
            m_ContactPositions.insert(contacts.at(position).id, position);
        m_ContactPositionsValid = true;
    }
    const int position = m_ContactPositions.value(contactId, -1);
    return position < 0 ? nullptr : &contacts.at(position);
}

Contact* Service::findContact(int contactId)
{
    // The list is detached here, once, so that the contact can be changed in place.
    if (!m_SignedIn || !static_cast<const Service*>(this)->findContact(contactId))
        return nullptr;
    return &m_Accounts[*m_SignedIn].contacts[m_ContactPositions.value(contactId)];
}

void Service::contactAppended()
{
    if (m_ContactPositionsValid && m_SignedIn) {
        const QList<Contact>& contacts = m_Accounts.at(*m_SignedIn).contacts;
        m_ContactPositions.insert(contacts.constLast().id, contacts.size() - 1);
    }
}

void Service::contactsReordered()
{
    m_ContactPositionsValid = false;
}

std::optional<Call> Service::call(int callId) const
{
    const auto found = m_Calls.constFind(callId);
    if (found == m_Calls.constEnd())
        return std::nullopt;
    return *found;
}

void Service::post(std::function<void()> event, bool sessionEvent)
{
    m_Pending.enqueue({std::move(event), m_Generation, sessionEvent ? std::optional<quint64>(m_Session) : std::nullopt});
    // One timer per event; each delivers the oldest, so order holds whatever the timers do.
    QTimer::singleShot(m_Latency, this, &Service::deliverNext);
}

void Service::deliverNext()
{
    if (m_Pending.isEmpty())
        return;
    const Pending pending = m_Pending.dequeue();
    if (pending.generation != m_Generation)
        return;
    if (pending.session && (!m_SignedIn || *pending.session != m_Session)) {
        KIVO_LOG(LevelDebug) << "Simulated service: event of an ended session dropped";
        return;
    }
    pending.event();
}

void Service::endSession(const QString& reason)
{
    const QList<int> callIds = m_Calls.keys();
    for (Call& call : m_Calls) {
        call.state = CallState::Ended;
        call.endReason = CallEnd::SessionEnded;
        logCall(call);
    }
    m_Calls.clear();
    m_Shares.clear();
    m_DownLinks.clear();
    m_SignedIn.reset();
    contactsReordered();
    KIVO_LOG(LevelInfo) << "Simulated service: signed out" << (reason.isEmpty() ? QString() : ": " + reason);
    for (int callId : callIds)
        emit callStateChanged(callId, CallState::Ended);
    emit signedOut(reason);
}

} // namespace Simulation
} // namespace Kivo
