// Times the chat page on a large conversation: the 10,000 messages of the large-account
// generator's first conversation opened in a chat window (the whole history asked for and
// rendered, the page built with its newest items and loaded by the chat pane's web view), then 1,000
// more messages arriving one by one, each rendered and placed into the shown page, which
// follows them. Prints "open_ms=... first_append_ms=... last_append_ms=... messages=...
// page_items=... rss_kib=..." where the append figures are the means of the first and the
// last 100 messages, and page_items the items on the page after the open and at the end
// (the rest waits for the user to scroll up); "rebuild_ms" is the same page rebuilt once
// more from the loaded messages (the page model and the view's parsing, without the
// engine). The service answers at once (latency 0).
#include "Utils/window_manager_chat_helper.h"
#include "libqml/register_qml_types.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/items/webview.h"
#include "libqml/utils/style.h"
#include "libqml/window/qml_view.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Models/ChatModel.h>
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
#include <QQuickItem>
#include <QQuickWidget>
#include <QTemporaryDir>
#include <QWebFrame>

#include <cstdio>
#include <functional>

namespace {

constexpr int Messages = 10000;
constexpr int Appended = 1000;
constexpr int Sample = 100;
const QString User = QStringLiteral("bench@large.telvarion.net");
const QString Password = QStringLiteral("Bench-1234");

} // namespace

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(telvarion_ui);
    QApplication app(argc, argv);
    QML::Style style;
    registerQmlTypes();
    QTemporaryDir folder;
    Kivo::Settings::setPath(Kivo::Settings::UserSettings, folder.path());
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    service.setLatency(0);
    const QStringList generated = {"--contacts", "50", "--messages", QString::number(Messages)};
    if (!signInGeneratedAccount(service, generated, folder.filePath("chat.json"), User, Password))
        return 1;
    const QString peer =
        service.contactRecords().constFirst().properties.value(Kivo::Contacts::Properties::Address).toString();

    Kivo::Configuration::Config config("config_bench.xml", Kivo::Configuration::Config::Document());
    Kivo::Sessions::SessionManagerBase session(User, "Bench", &config, nullptr);
    session.contactsManager()->attach(service);
    QObject owner;
    Utils::WindowManagerChatHelper helper(nullptr);
    helper.Initialize(session.contactsManager(), &session, nullptr, new Kivo::Models::SmileysPtr(&owner));

    Kivo::Controllers::CommunicationSession* conversation = nullptr;
    QObject::connect(session.commsSessionController(), &Kivo::Controllers::CommsSessionController::sessionCreated,
                     [&conversation](Kivo::Controllers::CommunicationSession* created) { conversation = created; });
    timeUntil([&] { session.commsSessionController()->createChat(QStringList{peer}); },
              [&conversation] { return conversation && conversation->getChat(); });

    QML::CommunicationsWindow window(&session, conversation, nullptr, false);
    window.Activate();
    helper.setupChat(conversation, &window);
    window.show();
    auto* pane = window.findChild<QQuickWidget*>("ChatWidget");
    auto* page = pane->rootObject()->findChild<QDeclarativeWebView2*>("chatView");
    Kivo::Models::ChatModel* model = conversation->getChat()->getChatModel();
    const auto shownItems = [page] {
        return page->page()->mainFrame()->evaluateJavaScript("document.querySelectorAll('.local_content, "
                                                             ".remote_content').length")
            .toInt();
    };

    bool loaded = false;
    QObject::connect(page, &QDeclarativeWebView2::loadFinished, [&loaded] { loaded = true; });
    timeUntil([] {}, [&loaded] { return loaded; });
    loaded = false;
    const double openMs = timeUntil([&window] { window.showHistory(Kivo::Models::ChatModel::All); },
                                    [&loaded, model] { return loaded && model->count() >= Messages; });
    const int opened = shownItems();
    // The page model's own part: the whole page rebuilt from the engine's messages again.
    QElapsedTimer rebuild;
    loaded = false;
    rebuild.start();
    emit model->modelReset();
    const double rebuildMs = rebuild.nsecsElapsed() / 1e6;
    timeUntil([] {}, [&loaded] { return loaded; });

    QVector<double> appends;
    Kivo::Simulation::Control control(service);
    for (int i = 0; i < Appended; ++i) {
        const int before = model->count();
        appends.append(timeUntil([&] { control.injectChatMessage(peer, QStringLiteral("Message %1").arg(i)); },
                                 [model, before] { return model->count() == before + 1; }));
    }
    const auto mean = [&appends](int from) {
        double sum = 0;
        for (int i = from; i < from + Sample; ++i)
            sum += appends.at(i);
        return sum / Sample;
    };
    std::printf("open_ms=%.1f rebuild_ms=%.1f first_append_ms=%.3f last_append_ms=%.3f messages=%d page_items=%d/%d rss_kib=%ld\n",
                openMs, rebuildMs, mean(0), mean(Appended - Sample), model->count(), opened, shownItems(), peakResidentKib());
    return 0;
}
