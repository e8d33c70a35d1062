#pragma once

#include <Kivo/Simulation/Control.h>

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace Kivo {
namespace Simulation {

class Service;
struct Contact;

// The typed commands of the simulated service (TelvarionSimulate): one line of words, with
// "double quotes" around a word that holds blanks, becomes one event of Control. People are
// named as the user knows them: by name, first name, address or the part of the address
// before "@"; callers may also be numbers.
class Commands
{
public:
    struct Answer
    {
        bool ok = false;
        QString text;
        // Lines shown before the result (the command list of "help").
        QStringList details;
    };

    explicit Commands(Service& service);

    Answer run(const QString& line);

private:
    struct Command;
    using Words = QStringList;

    static const QList<Command>& table();
    static std::optional<Words> split(const QString& line, QString* problem);
    Answer help(const Words& words) const;

    // The signed-in user's contact of that name or address; null, with the reason, when
    // none or several match.
    std::optional<Contact> contact(const QString& who, QString* problem) const;
    // A contact's address, or a number or SIP address to call from.
    QString caller(const QString& who, QString* problem) const;
    // What Control said when it refused.
    Answer refused() const;

    Answer call(const Words& words);
    Answer hangUp(const Words& words);
    Answer chat(const Words& words);
    Answer roomMessage(const Words& words);
    Answer file(const Words& words);
    Answer line(const Words& words);
    Answer presence(const Words& words);
    Answer note(const Words& words);
    Answer guest(const Words& words);
    Answer voiceMail(const Words& words);
    Answer password(const Words& words);
    Answer proxy(const Words& words);
    Answer fail(const Words& words);
    Answer connection(const Words& words, bool lost);
    Answer divert(const Words& words);
    Answer audioFailure(const Words& words);
    Answer share(const Words& words);
    Answer calls(const Words& words) const;

    Service& m_Service;
    Control m_Control;
};

} // namespace Simulation
} // namespace Kivo
