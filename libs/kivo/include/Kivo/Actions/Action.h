#pragma once

#include <QObject>

namespace Kivo {
namespace Actions {

// One user action of the engine (call, chat, transfer ...).
class Action : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int id READ getId CONSTANT)
    Q_PROPERTY(bool enabled READ isEnabled NOTIFY enabledChanged)

public:
    enum Id {
        None = 0,
        AnswerCall = 1,
        AnswerCallFromPhone = 2,
        Chat = 3,
        Call = 4,
        CallFromPhone = 5,
        VideoCall = 6,
        ShareDesktop = 7,
        JoinRoom = 8,
        JoinHangout = 9,
        Email = 11,
        CopyPhoneNumber = 12,
        SetFavorite = 13,
        RemoveFavorite = 14,
        ViewProfile = 15,
        EditProfile = 16,
        AddContact = 17,
        Subscribe = 18,
        Unsubscribe = 19,
        DeleteContact = 20,
        EndAllCalls = 26,
        EndAllChats = 27,
        Conference = 28,
        Transfer = 29
    };
    Q_ENUM(Id)

    explicit Action(Id id, QObject* parent = nullptr) : QObject(parent), m_Id(id) {}

    Id getId() const { return m_Id; }
    bool isEnabled() const { return m_Enabled; }

    void setEnabled(bool enabled)
    {
        if (enabled == m_Enabled)
            return;
        m_Enabled = enabled;
        emit enabledChanged();
    }

    static bool isCommunicationAction(Id id)
    {
        switch (id) {
        case AnswerCall:
        case AnswerCallFromPhone:
        case Chat:
        case Call:
        case CallFromPhone:
        case VideoCall:
        case ShareDesktop:
        case JoinRoom:
        case JoinHangout:
        case Conference:
        case Transfer:
            return true;
        default:
            return false;
        }
    }

signals:
    void enabledChanged();
    void triggered();

private:
    Id m_Id;
    bool m_Enabled = true;
};

} // namespace Actions
} // namespace Kivo
