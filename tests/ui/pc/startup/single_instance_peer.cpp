// Usage: single_instance_peer <id> --listen   stays as the first instance; prints "listening",
//                                              then each message received on a line, and
//                                              ends after the first one
//        single_instance_peer <id> <message>  hands <message> to the running instance
//        single_instance_peer <id> --start <message> [<start time>]
//                                              starts as the program does, at the start
//                                              time (milliseconds since the epoch) when
//                                              given: hands <message> over when an
//                                              instance runs, else prints "instance" and
//                                              each message received until it is ended
// Exit code 0 on success, 2 when a second instance found nobody to hand to, 3 when
// "--listen" found another instance running.
#include "qt_single_application.h"

#include <QDateTime>
#include <QTextStream>
#include <QThread>

int main(int argc, char* argv[])
{
    if (argc < 3)
        return 64;
    const QString id = QString::fromLocal8Bit(argv[1]);
    const QString what = QString::fromLocal8Bit(argv[2]);
    // Starts meant to be at once meet at one instant, whenever each process got going.
    if (what == "--start" && argc > 4) {
        const qint64 startTime = QByteArray(argv[4]).toLongLong();
        while (QDateTime::currentMSecsSinceEpoch() < startTime)
            QThread::usleep(100);
    }
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
    if (what == "--start") {
        if (application.isRunning())
            return application.sendMessage(argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString(), 5000) ? 0 : 1;
        QObject::connect(&application, &QtSingleApplication::messageReceived, [&out](const QString& message) {
            out << "message:" << message << '\n';
            out.flush();
        });
        out << "instance\n";
        out.flush();
        return QCoreApplication::exec();
    }
    if (!application.isRunning())
        return 2;
    return application.sendMessage(what, 5000) ? 0 : 1;
}
