// Linked with the program's own main() into a copy of the program that a test starts where
// start-up must fail: it answers each message box as a user would, printing its title, so
// that the start-up can go on to its end.
#include "Dialogs/message_window.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <cstdio>

namespace {

void answerMessages()
{
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* message = qobject_cast<Dialogs::MessageWindow*>(widget);
            if (!message || !message->isVisible())
                continue;
            std::printf("message: %s\n", qPrintable(message->windowTitle()));
            std::fflush(stdout);
            if (message->dialog())
                message->dialog()->accept();
            message->close();
        }
    });
    timer->start(20);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(answerMessages)
