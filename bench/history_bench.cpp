// Times the engine's history on a large account: the call log of 10,000 calls with the
// conversations and the mailbox, and the whole of a 10,000-message conversation, loaded
// into the history list and the chat model; then one more message into each. Prints
// "timeline_ms=... chat_history_ms=... next_message_ms=... rss_kib=..." and exits. The
// account is the large-account generator's; the service answers at once (latency 0), so
// the figures are the engine's own.
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

#include "generated_account.h"
#include "peak_memory.h"
#include "time_until.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int Calls = 10000;
constexpr int VoiceMails = 200;
constexpr int Messages = 10000;
const QString User = QStringLiteral("bench@large.telvarion.net");
const QString Password = QStringLiteral("Bench-1234");

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    Kivo::Settings::setPath(Kivo::Settings::UserSettings, folder.path());
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    service.setLatency(0);
    const QStringList generated = {"--contacts", "500", "--calls", QString::number(Calls), "--voice-mails",
                                   QString::number(VoiceMails), "--messages", QString::number(Messages)};
    if (!signInGeneratedAccount(service, generated, folder.filePath("history.json"), User, Password))
        return 1;
    // The generator gives the long conversation to the first contact.
    const QString peer =
        service.contactRecords().constFirst().properties.value(Kivo::Contacts::Properties::Address).toString();

    Kivo::Configuration::Config config("config_bench.xml", Kivo::Configuration::Config::Document());
    Kivo::Sessions::SessionManagerBase session(User, "Alice", &config, nullptr);
    session.contactsManager()->attach(service);
    Kivo::Databases::Comms comms;
    session.xmppChatController()->setCommsDb(&comms);
    timeUntil([] {}, [&comms, &peer] { return comms.contains(peer); });

    std::unique_ptr<Kivo::Models::Timeline> timeline;
    const double timelineMs = timeUntil(
        [&] {
            timeline = std::make_unique<Kivo::Models::Timeline>(session.contactsManager(), &comms,
                                                                 session.vyxCallHistoryController(),
                                                                 session.callController(),
                                                                 Kivo::Models::Timeline::AudioVoiceMail, true);
        },
        [&timeline] { return timeline->rowCount() == Calls + VoiceMails + 1; });

    Kivo::Controllers::XmppChat* chat = session.xmppChatController()->openChat(peer);
    Kivo::Models::ChatModel* model = chat->getChatModel();
    bool reset = false;
    QObject::connect(model, &Kivo::Models::ChatModel::modelReset, [&reset] { reset = true; });
    const double historyMs = timeUntil([model] { model->getMessagesFrom(Kivo::Models::ChatModel::All); },
                                       [&reset] { return reset; });

    const int before = model->count();
    const double nextMs = timeUntil(
        [&peer] { Kivo::Simulation::Control(Kivo::Simulation::Service::shared()).injectChatMessage(peer, "One more."); },
        [model, before] { return model->count() == before + 1; });

    std::printf("timeline_ms=%.1f chat_history_ms=%.1f next_message_ms=%.2f rows=%d messages=%d rss_kib=%ld\n",
                timelineMs, historyMs, nextMs, timeline->rowCount(), model->count(), peakResidentKib());
    return 0;
}
