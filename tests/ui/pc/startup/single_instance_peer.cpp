// Usage: single_instance_peer <id> --listen   stays as the first instance; prints "listening",
//                                              then each message received on a line, and
//                                              ends after the first one
//        single_instance_peer <id> <message>  hands <message> to the running instance
// Exit code 0 on success, 2 when a second instance found nobody to hand to, 3 when
// "--listen" found another instance running.
#include "qt_single_application.h"

#include <QTextStream>

int main(int argc, char* argv[])
{
    if (argc < 3)
        return 64;
    const QString id = QString::fromLocal8Bit(argv[1]);
    const QString what = QString::fromLocal8Bit(argv[2]);
    QtSingleApplication application(id, argc, argv);
    QTextStream out(stdout);
    if (what == "--listen") {
        if (application.isRunning())
            return 3;
        QObject::connect(&application, &QtSingleApplication::messageReceived, [&out](const QString& message) {
            out << "message:" << message << '\n';
            out.flush();
            QCoreApplication::quit();
        });
        out << "listening\n";
        out.flush();
        return QCoreApplication::exec();
    }
    if (!application.isRunning())
        return 2;
    return application.sendMessage(what, 5000) ? 0 : 1;
}
