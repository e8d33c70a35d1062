#pragma once

// Answering the question that a blocking call is about to ask, as a user does: once it is
// on screen, however long the machine takes to show it.
//
//     TestSupport::answerWhenShown<Dialogs::MessageWindow>([](Dialogs::MessageWindow* question) {
//         question->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Yes)->click();
//     });
//     window->removeContactsTriggered(); // blocks until answered

#include "support/shown_windows.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QtDebug>

namespace TestSupport {

// Runs answer(window) once, for the first shown window of type T, looked for on every pass
// of the event loop (the blocking call's own loop included). A question that has not shown
// within timeoutMs is given up: a warning, and the modal window in front (if any) is closed
// unanswered, so that the test fails instead of hanging until it is killed.
template <typename T, typename Answer>
void answerWhenShown(Answer answer, int timeoutMs = 30000)
{
    auto* poll = new QTimer(qApp);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer, deadline] {
        const QList<T*> shown = shownWindows<T>();
        if (shown.isEmpty() && !deadline.hasExpired())
            return;
        poll->stop();
        poll->deleteLater();
        if (!shown.isEmpty()) {
            answer(shown.first());
            return;
        }
        qWarning("No question came to answer");
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    poll->start(10);
}

} // namespace TestSupport
