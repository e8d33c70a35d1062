#pragma once

#include <Kivo/Controllers/ChatError.h>

#include <QDateTime>
#include <QObject>
#include <QStringList>

namespace Kivo {
namespace Models {
class ChatModel;
}
namespace Controllers {

// The chat of a conversation: one peer, or a group-chat room. Its messages live in its chat
// model; sending, typing, joining and the room's affairs go through it.
class ChatInterface : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool group READ isGroup CONSTANT)
    Q_PROPERTY(int state READ getState NOTIFY stateChanged)
    Q_PROPERTY(QString roomName READ getRoomName NOTIFY roomChanged)
    Q_PROPERTY(QString subject READ getSubject NOTIFY subjectChanged)
    Q_PROPERTY(QString contactName READ getContactName NOTIFY roomChanged)
    Q_PROPERTY(bool roomOwner READ isRoomOwner NOTIFY roomOwnerChanged)
    Q_PROPERTY(QString reasonText READ getPendingMessage NOTIFY pendingMessageChanged)
    Q_PROPERTY(QDateTime timeStamp READ getTimeStamp NOTIFY pendingMessageChanged)
    Q_PROPERTY(QObject* chatModel READ chatModelObject CONSTANT)

public:
    enum State
    {
        Idle = 0,
        // Entering a room: waiting for the service, or for a password.
        Joining = 1,
        Active = 2,
        Closed = 3,
        // A room that the user is creating and has not configured yet.
        Creating = 4
    };
    Q_ENUM(State)

    using QObject::QObject;

    // The peer's or the room's address.
    virtual QString conversation() const = 0;
    virtual Models::ChatModel* getChatModel() const = 0;
    virtual int getState() const = 0;
    virtual bool isGroup() const = 0;
    // Rooms made by dragging people together; they cannot be configured.
    virtual bool isAdHoc() const = 0;
    virtual bool isMyRoomChat() const = 0;
    virtual bool isRoomOwner() const = 0;
    // The user's role in the room (Data::CommsSessionParticipant::ChatAffiliation).
    virtual int getOwnAffiliation() const = 0;
    virtual QString getRoomName() const = 0;
    virtual QString getSubject() const = 0;
    // The room owner's display name and address, empty when unknown.
    virtual QString getRoomOwnerName() const = 0;
    virtual QString getRoomOwnerJid() const = 0;
    // The peer's name, or for a room the name of whoever wrote last.
    virtual QString getContactName() const = 0;
    // The newest received message the user has not read yet, and when it came.
    virtual QString getPendingMessage() const = 0;
    virtual QDateTime getTimeStamp() const = 0;
    // The user (not the far end) opened the conversation.
    virtual bool isOutgoing() const = 0;
    // The user has taken the conversation (opened its window, or started it).
    virtual bool isAccepted() const = 0;
    // Whether the conversation is in front of the user; messages arriving while it is count
    // as read.
    virtual void setVisibleToUser(bool visible) = 0;

public slots:
    virtual void sendMessage(const QString& text) = 0;
    virtual void setTyping(bool typing) = 0;
    virtual void accept() = 0;
    // Ends the conversation (a room is left).
    virtual void close() = 0;
    // Gives up a room the user was entering.
    virtual void leave() = 0;
    virtual void requestRoomConfiguration() = 0;
    virtual void setSubject(const QString& subject) = 0;

signals:
    void stateChanged();
    void typersChanged(const QStringList& typers);
    // A file the user wanted to send is of a type that may not be sent.
    void ftRejectedByExtension();
    void authorizationFailed(const QString& roomJid, Kivo::Controllers::ChatError::ChatRoomJoinError error);
    void messageSendingFailed();
    void closed(Kivo::Controllers::ChatInterface* chat, int reason);
    void roomOwnerChanged();
    void subjectChanged();
    void roomChanged();
    // Somebody (named) dismissed the user from the room.
    void kicked(const QString& by);
    void pendingMessageChanged();

private:
    QObject* chatModelObject() const;
};

} // namespace Controllers
} // namespace Kivo
