#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>

namespace Kivo {
namespace Simulation {
struct RoomRecord;
}
namespace Models {

// The group-chat rooms the user knows, as the service lists them.
class ChatRoomsModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

public:
    enum Roles
    {
        JidRole = Qt::UserRole + 1,
        NameRole,
        SubjectRole,
        OwnerRole,
        OwnedRole,
        MembersOnlyRole,
        PasswordProtectedRole
    };

    ChatRoomsModel(const QString& ownAddress, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    void setRooms(const QList<Simulation::RoomRecord>& rooms);
    void updateRoom(const Simulation::RoomRecord& room);
    void removeRoom(const QString& jid);
    void clear();

signals:
    void countChanged();

private:
    struct Room
    {
        QString jid;
        QString name;
        QString subject;
        QString owner;
        bool membersOnly = false;
        bool passwordProtected = false;
    };
    static Room roomOf(const Simulation::RoomRecord& record);
    int indexOf(const QString& jid) const;

    QString m_OwnAddress;
    QList<Room> m_Rooms;
};

} // namespace Models
} // namespace Kivo
