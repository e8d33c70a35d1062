#pragma once

#include <Kivo/Webcollab/ZynClient.h>

#include <QObject>
#include <QString>

namespace Kivo {
namespace Webcollab {

// A web collaboration (share) of a session.
class WebcollabBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int state READ getState NOTIFY stateChanged)
    Q_PROPERTY(bool floorHolder READ isFloorHolder NOTIFY isFloorHolderChanged)
    // The share runs on the newer share component, which keeps a running share alongside a
    // new one; the simulated service's component is the older one.
    Q_PROPERTY(bool isUsingNewLibrary READ isUsingNewLibrary CONSTANT)
    // Somebody takes part in the share now: it is joined, shown or watched.
    Q_PROPERTY(bool hasUser READ hasUser NOTIFY stateChanged)

public:
    // How far the share has come; above Joined the desktop is shown.
    enum State
    {
        None = 0,
        Inviting = 1,
        Connecting = 2,
        Joining = 3,
        ConfirmingJoin = 4,
        Joined = 5,
        Sharing = 6,
        Viewing = 9
    };
    Q_ENUM(State)

    explicit WebcollabBase(QObject* parent = nullptr) : QObject(parent) {}

    int getState() const { return m_State; }
    // The user shows the desktop (holds the floor) rather than watches.
    bool isFloorHolder() const { return m_FloorHolder; }
    // The user started the share.
    bool isOwner() const { return m_Owner; }
    virtual bool isUsingNewLibrary() const { return false; }
    bool hasUser() const { return m_State == Joined || m_State == Sharing || m_State == Viewing; }

    // What the service reports (engine side).
    void setState(int state)
    {
        if (state == m_State)
            return;
        m_State = state;
        emit stateChanged();
    }
    void setFloorHolder(bool floorHolder)
    {
        if (floorHolder == m_FloorHolder)
            return;
        m_FloorHolder = floorHolder;
        emit isFloorHolderChanged();
    }
    void setOwner(bool owner) { m_Owner = owner; }

public slots:
    // The user's answer to an invitation into the share.
    virtual void acceptParticipantSession() { setState(Joining); }
    virtual void rejectParticipantSession() { setState(None); }
    // The share's host takes a user out of it. The service keeps no share of its own, so
    // the user leaves at once.
    void removeParticipant(const QString& address) { emit notifyUserLeft(address); }

signals:
    void stateChanged();
    void isFloorHolderChanged();
    // The share's host took the user out of it.
    void kicked();
    void zynError(ZynClient::ZYNLIBERROR error, ZynClient::ErrorType type);
    void notifyUserJoined(const QString id);
    void notifyUserLeft(const QString id);
    void roomClosed();
    // The share's room closes after the given number of seconds.
    void roomIsClosing(unsigned seconds);
    void currentSharerChanged(const QString& previous, const QString& current);

private:
    int m_State = None;
    bool m_FloorHolder = false;
    bool m_Owner = false;
};

} // namespace Webcollab
} // namespace Kivo
