// Times the engine's history on a large account: the call log of 10,000 calls with the
// conversations and the mailbox, and the whole of a 10,000-message conversation, loaded
// into the history list and the chat model; then one more message into each. Prints
// "timeline_ms=... chat_history_ms=... next_message_ms=... rss_kib=..." and exits. The
// service answers at once (latency 0), so the figures are the engine's own.
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Controllers/XmppChat.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/Databases/Comms.h>
#include <Kivo/Models/ChatModel.h>
#include <Kivo/Models/Timeline.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include "peak_memory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int Calls = 10000;
constexpr int Messages = 10000;
constexpr int Contacts = 500;
const QString User = QStringLiteral("alice@bench.example");

QByteArray largeAccount()
{
    QJsonArray contacts;
    for (int i = 1; i <= Contacts; ++i) {
        contacts.append(QJsonObject{{"id", i},
                                    {"name", QStringLiteral("Person %1").arg(i)},
                                    {"address", QStringLiteral("person%1@bench.example").arg(i)},
                                    {"number", QStringLiteral("+1555%1").arg(i, 6, 10, QChar('0'))}});
    }
    QJsonArray history;
    for (int i = 0; i < Calls; ++i) {
        history.append(QJsonObject{{"remote", i % 3 ? QStringLiteral("person%1@bench.example").arg(i % Contacts + 1)
                                                    : QStringLiteral("+1666%1").arg(i, 6, 10, QChar('0'))},
                                   {"direction", i % 2 ? "in" : "out"},
                                   {"missed", i % 7 == 0},
                                   {"minutesAgo", i * 3},
                                   {"duration", i % 600}});
    }
    QJsonArray messages;
    for (int i = 0; i < Messages; ++i) {
        messages.append(QJsonObject{{"from", i % 2 ? "me" : "person1@bench.example"},
                                    {"text", QStringLiteral("Message %1 of a long conversation :)").arg(i)},
                                    {"minutesAgo", (Messages - i) * 2}});
    }
    QJsonArray voiceMails;
    for (int i = 0; i < 200; ++i)
        voiceMails.append(QJsonObject{{"id", QStringLiteral("vm-%1").arg(i)},
                                      {"from", QStringLiteral("person%1@bench.example").arg(i % Contacts + 1)},
                                      {"minutesAgo", i * 11},
                                      {"duration", 30}});
    const QJsonObject account{{"user", User},       {"password", "b"},
                              {"contacts", contacts}, {"history", history},
                              {"voiceMails", voiceMails},
                              {"conversations", QJsonArray{QJsonObject{{"with", "person1@bench.example"},
                                                                       {"messages", messages}}}}};
    return QJsonDocument(QJsonObject{{"accounts", QJsonArray{account}}}).toJson(QJsonDocument::Compact);
}

// Runs the event loop until `done` holds; the elapsed milliseconds.
double timeUntil(const std::function<void()>& start, const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    start();
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    Kivo::Settings::setPath(Kivo::Settings::UserSettings, folder.path());
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    service.setLatency(0);
    if (!service.load(largeAccount()))
        return 1;
    bool signedIn = false;
    QObject::connect(&service, &Kivo::Simulation::Service::signedIn, [&signedIn] { signedIn = true; });
    service.signIn(User, "b");
    timeUntil([] {}, [&signedIn] { return signedIn; });

    Kivo::Configuration::Config config("config_bench.xml", Kivo::Configuration::Config::Document());
    Kivo::Sessions::SessionManagerBase session(User, "Alice", &config, nullptr);
    session.contactsManager()->attach(service);
    Kivo::Databases::Comms comms;
    session.xmppChatController()->setCommsDb(&comms);
    timeUntil([] {}, [&comms] { return comms.contains("person1@bench.example"); });

    std::unique_ptr<Kivo::Models::Timeline> timeline;
    const double timelineMs = timeUntil(
        [&] {
            timeline = std::make_unique<Kivo::Models::Timeline>(session.contactsManager(), &comms,
                                                                 session.vyxCallHistoryController(),
                                                                 session.callController(),
                                                                 Kivo::Models::Timeline::AudioVoiceMail, true);
        },
        [&timeline] { return timeline->rowCount() == Calls + 200 + 1; });

    Kivo::Controllers::XmppChat* chat = session.xmppChatController()->openChat("person1@bench.example");
    Kivo::Models::ChatModel* model = chat->getChatModel();
    bool reset = false;
    QObject::connect(model, &Kivo::Models::ChatModel::modelReset, [&reset] { reset = true; });
    const double historyMs = timeUntil([model] { model->getMessagesFrom(Kivo::Models::ChatModel::All); },
                                       [&reset] { return reset; });

    const int before = model->count();
    const double nextMs = timeUntil(
        [] { Kivo::Simulation::Control(Kivo::Simulation::Service::shared()).injectChatMessage("person1@bench.example", "One more."); },
        [model, before] { return model->count() == before + 1; });

    std::printf("timeline_ms=%.1f chat_history_ms=%.1f next_message_ms=%.2f rows=%d messages=%d rss_kib=%ld\n",
                timelineMs, historyMs, nextMs, timeline->rowCount(), model->count(), peakResidentKib());
    return 0;
}
