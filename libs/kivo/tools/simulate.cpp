// Usage: TelvarionSimulate [command words...] | --socket | --help
//
// Drives the simulated service of the user's running client (Kivo/Simulation/CommandSocket.h):
// with words, it sends them as one command and prints the answer; without, it reads one
// command per line from its input until the input ends or "quit". "help" lists the commands.
// Exit code 0 when every command was done, 1 when one was refused, 2 when no client runs.
#include <Kivo/Simulation/CommandSocket.h>

#include <QCoreApplication>
#include <QLocalSocket>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace {

namespace Wire = Kivo::Simulation::CommandSocket;

constexpr int ConnectMs = 2000;
constexpr int AnswerMs = 5000;

enum Exit
{
    Done = 0,
    Refused = 1,
    NoClient = 2
};

void print(std::FILE* out, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), out);
    std::fputc('\n', out);
    std::fflush(out);
}

// A command line of the shell's words: a word with blanks keeps them inside quotes.
QString joined(const QStringList& words)
{
    QStringList quoted;
    for (const QString& word : words) {
        const bool plain = !word.isEmpty() && !word.contains(QLatin1Char(' ')) && !word.contains(QLatin1Char('\t'));
        quoted.append(plain ? word : QLatin1Char('"') + word + QLatin1Char('"'));
    }
    return quoted.join(QLatin1Char(' '));
}

class Connection
{
public:
    explicit Connection(const QString& name) : m_Name(name) {}

    bool open()
    {
        if (m_Socket.state() == QLocalSocket::ConnectedState)
            return true;
        m_Socket.abort();
        m_Socket.connectToServer(m_Name);
        return m_Socket.waitForConnected(ConnectMs);
    }

    // Sends one command and prints its answer; the exit code of the command.
    Exit run(const QString& command)
    {
        // The server lets a connection wait only so long for its first command: a person who
        // paused is connected again.
        if (!open()) {
            print(stderr, QStringLiteral("The client has gone: %1").arg(m_Socket.errorString()));
            return NoClient;
        }
        m_Socket.write(command.toUtf8() + '\n');
        for (;;) {
            while (!m_Socket.canReadLine()) {
                if (m_Socket.state() != QLocalSocket::ConnectedState || !m_Socket.waitForReadyRead(AnswerMs)) {
                    if (m_Socket.canReadLine())
                        break;
                    print(stderr, QStringLiteral("The client did not answer"));
                    return NoClient;
                }
            }
            QString line = QString::fromUtf8(m_Socket.readLine());
            line.chop(1);
            if (line.startsWith(QLatin1String(Wire::OkPrefix))) {
                print(stdout, line);
                return Done;
            }
            if (line.startsWith(QLatin1String(Wire::ErrorPrefix))) {
                print(stderr, line);
                return Refused;
            }
            // Only lines of detail come before the result; anything else is not shown as one.
            if (line.startsWith(QLatin1String(Wire::DetailPrefix)))
                print(stdout, line);
        }
    }

private:
    QString m_Name;
    QLocalSocket m_Socket;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList words = application.arguments().mid(1);
    const QString name = Wire::defaultName();
    if (words.value(0) == QLatin1String("--socket")) {
        print(stdout, name);
        return Done;
    }
    if (words.value(0) == QLatin1String("--help") || words.value(0) == QLatin1String("-h")) {
        print(stdout, QStringLiteral("Usage: TelvarionSimulate [command words...]\n"
                                     "Drives the simulated service of the running Telvarion client: one command from "
                                     "the words given, or one per line of the input. \"help\" lists the commands."));
        return Done;
    }
    Connection connection(name);
    if (!connection.open()) {
        print(stderr, QStringLiteral("No Telvarion client runs for this user (nothing answers on %1): start one, "
                                     "for example with scripts/run.sh.")
                          .arg(name));
        return NoClient;
    }
    if (!words.isEmpty())
        return connection.run(joined(words));

    const bool person = ::isatty(STDIN_FILENO);
    if (person)
        print(stdout, QStringLiteral("Connected to the client's simulated service. \"help\" lists the commands, "
                                     "\"quit\" ends."));
    QTextStream input(stdin);
    int worst = Done;
    QString line;
    while (input.readLineInto(&line)) {
        const QString command = line.trimmed();
        if (command.isEmpty())
            continue;
        if (command == QLatin1String("quit") || command == QLatin1String("exit"))
            break;
        const Exit result = connection.run(command);
        if (result == NoClient)
            return NoClient;
        worst = qMax<int>(worst, result);
    }
    return worst;
}
