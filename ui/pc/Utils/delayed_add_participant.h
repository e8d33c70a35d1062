#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

namespace Kivo {
namespace Controllers {
class CommunicationSession;
}
} // namespace Kivo

namespace Utils {

// Holds a conversation and the people to bring into it while the user is asked whether to
// make a conference; the answer adds them all in one request or drops them.
class DelayedAddParticipant : public QObject
{
    Q_OBJECT

public:
    explicit DelayedAddParticipant(QObject* parent = nullptr);

    void setSession(Kivo::Controllers::CommunicationSession* session);
    void setParticipants(const QString& participants);
    void setParticipants(const QStringList& participants);

signals:
    void participantsAdded();
    void aborted();

public slots:
    void addParticipants();
    void abort();

private:
    // The conversation may end while the user thinks.
    QPointer<Kivo::Controllers::CommunicationSession> m_Session;
    QString m_Participants;
};

} // namespace Utils
