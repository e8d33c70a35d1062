#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Simulation {
struct FileTransferRecord;
}
namespace Data {

// One file offered in a one-to-one chat, sent or received, as the chat page shows it.
class FTAdapter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString id READ getId CONSTANT)
    Q_PROPERTY(int state READ getState NOTIFY stateChanged)
    Q_PROPERTY(QString fileName READ getFileName CONSTANT)
    Q_PROPERTY(qint64 fileSize READ getFileSize CONSTANT)
    Q_PROPERTY(int percent READ getPercent NOTIFY progressChanged)

public:
    enum State
    {
        None = 0,
        // An offer of the user, made and on its way to the peer.
        Created = 1,
        Offered = 3,
        Accepted = 4,
        Connecting = 5,
        Transferring = 6,
        Sent = 7,
        Cancelled = 8,
        Failed = 9,
        TimedOut = 10,
        Declined = 11,
        // An offer of the peer waiting for the user's answer.
        IncomingOffer = 12,
        EncryptionMismatch = 18,
        Received = 19
    };
    Q_ENUM(State)

    enum RejectReason
    {
        NotRejected = 0,
        DeclinedByPeer = 1,
        // The peer tried to send a type of file the user may not receive.
        ForbiddenType = 2,
        TooLarge = 3
    };
    Q_ENUM(RejectReason)

    enum Direction
    {
        Incoming = 0,
        Outgoing = 1
    };

    FTAdapter(int transferId, const QString& partyId, const QString& ownAddress, QObject* parent = nullptr);

    int transferId() const { return m_TransferId; }
    QString getId() const { return QString::number(m_TransferId); }
    int getState() const { return m_State; }
    QString getFileName() const { return m_FileName; }
    QString getFilePath() const { return m_FilePath; }
    qint64 getFileSize() const { return m_Size; }
    int getPercent() const;
    QDateTime getDateTime() const { return m_Time; }
    int getDirection() const { return m_Outgoing ? Outgoing : Incoming; }
    // Who sent the file, and the peer of the transfer (lower-case addresses).
    QString getSenderId() const { return m_Outgoing ? m_OwnAddress : m_PartyId; }
    QString getPartyId() const { return m_PartyId; }
    // False for a transfer that never got going (the service refused it).
    bool isValid() const { return m_Valid; }
    // Cancelled because its file type may not be exchanged.
    bool isForbiddenType() const { return m_Forbidden; }

    // Whether `size` bytes exceed the configured limit for that direction.
    static bool isFileSizeTooLarge(const Configuration::Config* config, qint64 size, bool outgoing);

    // What the service reports (the file-transfer controller calls these).
    void update(const Simulation::FileTransferRecord& transfer);
    void refuse(RejectReason reason);
    void invalidate();

public slots:
    // Receives the offered file into `path`.
    void accept(const QString& path);
    // Declines an offer or stops a transfer; `reason` is kept for the log.
    void cancel(int reason);

signals:
    void stateChanged(Kivo::Data::FTAdapter::State state);
    void progressChanged(const QString& id, int percent, qint64 bytes);
    void transferRejected(Kivo::Data::FTAdapter::RejectReason reason);

private:
    void setState(State state);

    int m_TransferId;
    QString m_PartyId;
    QString m_OwnAddress;
    State m_State = None;
    QString m_FileName;
    QString m_FilePath;
    qint64 m_Size = 0;
    qint64 m_Transferred = 0;
    QDateTime m_Time;
    bool m_Outgoing = true;
    bool m_Valid = true;
    bool m_Forbidden = false;
};

} // namespace Data
} // namespace Kivo
