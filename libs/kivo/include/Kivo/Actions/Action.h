#pragma once

#include <QList>
#include <QObject>

namespace Kivo {
namespace Actions {

// One user action of the engine (call, chat, transfer ...). The user's gesture reaches it
// through activate(); an action that must be confirmed first asks through
// confirmationRequired() and waits for trigger() or reject().
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
        FileTransfer = 10,
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
        CallPark = 21,
        RetrieveParkedCall = 22,
        RetrieveParkedCallWithPhone = 23,
        PullCall = 24,
        TestCall = 25,
        EndAllCalls = 26,
        EndAllChats = 27,
        Conference = 28,
        Transfer = 29,
        CopyGuestJoinLink = 30,
        ResetGuestJoinLink = 31,
        Queues = 32,
        // Joins the call of a monitored user's busy line (busy lamp field).
        BargeIn = 33
    };
    Q_ENUM(Id)

    explicit Action(Id id, QObject* parent = nullptr);

    Id getId() const { return m_Id; }
    // Usable: allowed by the session's state and applying to what it would act on.
    bool isEnabled() const { return m_Enabled && m_Applicable; }
    // Allowed by the session's state, whatever is selected.
    bool isEnabledByEnablers() const { return m_Enabled; }
    void setEnabled(bool enabled);
    // Whether the action applies to its provider's source (a favourite cannot be set again);
    // its provider keeps it up to date.
    void setApplicable(bool applicable);
    // The property (phone number kind, address ...) the action applies to; 0 for none.
    int getPropertyType() const { return m_PropertyType; }
    void setPropertyType(int type) { m_PropertyType = type; }
    // The choices the action offers for its source (which of a contact's numbers, say),
    // each with its property type; empty when there is nothing to choose.
    QList<int> getSubActions() const { return m_SubActions; }
    void setSubActions(const QList<int>& propertyTypes) { m_SubActions = propertyTypes; }
    bool isConfirmationRequired() const { return m_ConfirmationRequired; }
    void setConfirmationRequired(bool required) { m_ConfirmationRequired = required; }

    static bool isCommunicationAction(Id id);
    static bool isCommunicationAction(int id) { return isCommunicationAction(Id(id)); }

public slots:
    // The user's gesture: runs the action, or asks for confirmation first.
    void activate();
    // Runs the action (also the answer to a confirmation).
    void trigger();
    // The user declined the confirmation.
    void reject();

signals:
    void enabledChanged();
    void triggered();
    void rejected();
    void confirmationRequired();

private:
    Id m_Id;
    bool m_Enabled = true;
    bool m_Applicable = true;
    int m_PropertyType = 0;
    QList<int> m_SubActions;
    bool m_ConfirmationRequired = false;
};

} // namespace Actions
} // namespace Kivo
