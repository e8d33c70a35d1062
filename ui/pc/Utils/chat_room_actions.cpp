#include "Utils/chat_room_actions.h"

#include "common/connect_check.h"
#include "common/constants.h"

#include <QAction>
#include <QMenu>

namespace Utils {

namespace {

using Constants::ActionProperty::RoomJid;
using Constants::ActionProperty::RoomName;

} // namespace

ChatRoomActions::ChatRoomActions(QObject* groupChatReceiver, QObject* roomConfigReceiver,
                                 QObject* roomDeletionReceiver, QObject* parent)
    : QObject(parent)
{
    if (roomConfigReceiver)
        CHECKED_CONNECT(this, SIGNAL(requestRoomConfig(const QString&)), roomConfigReceiver,
                        SLOT(requestRoomConfiguration(const QString&)));
    if (groupChatReceiver)
        CHECKED_CONNECT(this, SIGNAL(createGroupChat(const QString&)), groupChatReceiver,
                        SLOT(createGroupChat(const QString&)));
    if (roomDeletionReceiver)
        CHECKED_CONNECT(this, SIGNAL(deleteRoom(const QString&, const QString&)), roomDeletionReceiver,
                        SLOT(deleteRoom(const QString&, const QString&)));
}

QMenu* ChatRoomActions::menu(const QString& roomJid, const QString& roomName) const
{
    auto* menu = new QMenu();
    QAction* join = menu->addAction(tr("Join Room"), this, SLOT(joinRoom()));
    QAction* edit = menu->addAction(tr("Edit Room"), this, SLOT(editRoom()));
    menu->addSeparator();
    QAction* remove = menu->addAction(tr("Delete Room"), this, SLOT(deleteRoom()));
    for (QAction* entry : {join, edit, remove}) {
        entry->setProperty(RoomJid, roomJid);
        entry->setProperty(RoomName, roomName);
    }
    return menu;
}

void ChatRoomActions::joinRoom()
{
    if (const auto* entry = qobject_cast<const QAction*>(sender()))
        emit createGroupChat(entry->property(RoomJid).toString());
}

void ChatRoomActions::editRoom()
{
    if (const auto* entry = qobject_cast<const QAction*>(sender()))
        emit requestRoomConfig(entry->property(RoomJid).toString());
}

void ChatRoomActions::deleteRoom()
{
    if (const auto* entry = qobject_cast<const QAction*>(sender()))
        emit deleteRoom(entry->property(RoomJid).toString(), entry->property(RoomName).toString());
}

} // namespace Utils
