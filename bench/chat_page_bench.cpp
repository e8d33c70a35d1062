// Times the chat page on a large conversation: the messages of the large-account
// generator's first conversation opened in a chat window (the whole history asked for, the
// page built with its newest items and loaded by the chat pane's web view), then 1,000 more
// messages arriving one by one, each rendered and placed into the shown page, which follows
// them, then one message of a million characters in one word. For each size:
//
//   chat_page_bench [messages...]        (default: 10000 50000; each size in a process of its own)
//
// prints "open_ms=... first_append_ms=... last_append_ms=... huge_ms=... messages=...
// page_items=... kib_per_message=..." where open is from asking for the history to the page
// loaded, the append figures are the means of the first and the last 100 messages, huge the
// million-character message until the page has laid it out, page_items the items on the page
// after the open and at the end (the rest waits for the user to scroll up), and
// kib_per_message what the process grew by while opening, per message (the chat model's
// copy of each message included). "rebuild_ms" is the same page rebuilt once more from the
// loaded messages. Times are in CPU time of the GUI thread, a busy machine's figures; the
// wall clock's follow in brackets. The service answers at once (latency 0).
#include "libqml/register_qml_types.h"
#include "libqml/components/communications_window/communications_window.h"
#include "web/webview.h"
#include "libqml/utils/style.h"
#include "libqml/window/qml_view.h"

#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Models/ChatModel.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include "bench_conversation.h"
#include "cpu_clock.h"
#include "peak_memory.h"
#include "time_until.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQuickItem>
#include <QQuickWidget>
#include <QWebFrame>

#include <cstdio>
#include <functional>

namespace {

constexpr int Appended = 1000;
constexpr int Sample = 100;

// Runs `start`, then the event loop until `done`; the GUI thread's CPU milliseconds, and
// the wall clock's in `wall`.
double cpuUntil(const std::function<void()>& start, const std::function<bool()>& done, double* wall = nullptr)
{
    StepClock clock;
    const double elapsed = timeUntil(start, done);
    if (wall)
        *wall = elapsed;
    return clock.cpuMs();
}

int measure(int messages)
{
    QML::Style style;
    registerQmlTypes();
    BenchConversation chat({"--contacts", "50", "--messages", QString::number(messages)});
    if (!chat.ready())
        return 1;
    Kivo::Controllers::CommunicationSession* conversation = chat.conversation();
    const QString& peer = chat.peer();
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();

    const std::unique_ptr<QML::CommunicationsWindow> shown = chat.makeWindow();
    QML::CommunicationsWindow& window = *shown;
    auto* pane = window.findChild<QQuickWidget*>("ChatWidget");
    auto* page = pane->rootObject()->findChild<QDeclarativeWebView2*>("chatView");
    Kivo::Models::ChatModel* model = conversation->getChat()->getChatModel();
    const auto script = [page](const char* code) { return page->page()->mainFrame()->evaluateJavaScript(code); };
    const auto shownItems = [&script] {
        return script("document.querySelectorAll('.local_content, .remote_content').length").toInt();
    };

    bool loaded = false;
    QObject::connect(page, &QDeclarativeWebView2::loadFinished, [&loaded] { loaded = true; });
    timeUntil([] {}, [&loaded] { return loaded; });
    loaded = false;
    const long before = statusKib("VmRSS");
    double openWall = 0;
    const double openMs = cpuUntil([&window] { window.showHistory(Kivo::Models::ChatModel::All); },
                                   [&loaded, model, messages] { return loaded && model->count() >= messages; },
                                   &openWall);
    const long after = statusKib("VmRSS");
    const int opened = shownItems();
    // The page model's own part: the whole page rebuilt from the engine's messages again.
    loaded = false;
    StepClock rebuild;
    emit model->modelReset();
    const double rebuildMs = rebuild.cpuMs();
    timeUntil([] {}, [&loaded] { return loaded; });

    QVector<double> appends;
    Kivo::Simulation::Control control(service);
    for (int i = 0; i < Appended; ++i) {
        const int count = model->count();
        appends.append(cpuUntil([&] { control.injectChatMessage(peer, QStringLiteral("Message %1").arg(i)); },
                                [model, count] { return model->count() == count + 1; }));
    }
    const auto mean = [&appends](int from) {
        double sum = 0;
        for (int i = from; i < from + Sample; ++i)
            sum += appends.at(i);
        return sum / Sample;
    };
    const int count = model->count();
    double hugeWall = 0;
    const double hugeMs = cpuUntil(
        [&] { control.injectChatMessage(peer, QString(1000000, QLatin1Char('w'))); },
        [&] {
            // On the page, and laid out: reading the page's height lays it out.
            return model->count() == count + 1
                   && script("var c = document.getElementsByClassName('remote_content');"
                             "c[c.length - 1].textContent.length")
                          .toInt()
                          > 1000
                   && script("document.body.scrollHeight").toInt() > 0;
        },
        &hugeWall);
    std::printf("messages=%d open_ms=%.1f rebuild_ms=%.1f first_append_ms=%.3f last_append_ms=%.3f huge_ms=%.1f "
                "page_items=%d/%d kib_per_message=%.2f rss_kib=%ld (wall: open_ms=%.1f huge_ms=%.1f)\n",
                messages, openMs, rebuildMs, mean(0), mean(Appended - Sample), hugeMs, opened, shownItems(),
                double(after - before) / messages, peakResidentKib(), openWall, hugeWall);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(telvarion_ui);
    QApplication app(argc, argv);
    QStringList sizes = app.arguments().mid(1);
    if (sizes.isEmpty())
        sizes = QStringList{QStringLiteral("10000"), QStringLiteral("50000")};
    if (sizes.size() == 1)
        return measure(sizes.first().toInt());
    for (const QString& size : qAsConst(sizes)) {
        if (QProcess::execute(app.applicationFilePath(), {size}) != 0)
            return 1;
    }
    return 0;
}
