#pragma once

#include <QObject>
#include <QString>

class QMenu;

namespace Utils {

// The context menu of a chat room entry: join, edit or delete the room. Each entry carries
// the room's address and name; the slots turn them into the signals the room's owners get.
class ChatRoomActions : public QObject
{
    Q_OBJECT

public:
    // Wires the signals to the receivers' slots of the same names.
    ChatRoomActions(QObject* groupChatReceiver, QObject* roomConfigReceiver, QObject* roomDeletionReceiver,
                    QObject* parent = nullptr);

    // A new parentless menu for the room; the caller shows and owns it.
    QMenu* menu(const QString& roomJid, const QString& roomName) const;

signals:
    void requestRoomConfig(const QString& roomJid);
    void createGroupChat(const QString& roomJid);
    void deleteRoom(const QString& roomJid, const QString& roomName);

public slots:
    void joinRoom();
    void editRoom();
    void deleteRoom();
};

} // namespace Utils
