#pragma once

#include <Kivo/Contacts/Properties.h>
#include <Kivo/Models/Helper.h>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

namespace Kivo {
namespace Models {
class ContactKeys;
}
namespace Presence {
class PresenceData;
}
namespace Contacts {

class Contacts;

// One contact as the user interface sees it: a stored entry of the contact list, the
// signed-in user's own contact (id 0) or a temporary contact (a card's new contact, a
// directory match) that is in no list. Changes of a stored contact are requests to the
// service; the contact changes when the service confirms them.
class IContact : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int identifier READ getId CONSTANT)
    Q_PROPERTY(QString displayName READ getDisplayName NOTIFY displayNameChanged)
    Q_PROPERTY(QString address READ getAddress NOTIFY changed)
    // The chat address: the one stored for chat, else the contact's address.
    Q_PROPERTY(QString jid READ getJid NOTIFY changed)
    Q_PROPERTY(bool stored READ isStored NOTIFY changed)
    Q_PROPERTY(bool temporary READ isTemporary NOTIFY changed)
    Q_PROPERTY(QString searchText READ searchText NOTIFY changed)
    Q_PROPERTY(bool favorite READ isFavorite NOTIFY changed)
    Q_PROPERTY(bool subscribed READ isSubscribed NOTIFY changed)
    Q_PROPERTY(int presenceState READ presenceState NOTIFY changed)
    Q_PROPERTY(QString statusText READ statusText NOTIFY changed)
    Q_PROPERTY(QObject* presence READ presenceObject CONSTANT)
    // The name lists show.
    Q_PROPERTY(QString uiName READ getDisplayName NOTIFY displayNameChanged)
    Q_PROPERTY(Kivo::Contacts::IContact::BlfState blfState READ getBlfState NOTIFY blfStateChanged)

public:
    // The state of a monitored user's line (busy lamp field); BlfNone for a contact whose
    // line the user does not monitor.
    enum BlfState
    {
        BlfNone = 0,
        BlfOffline = 1,
        BlfAvailable = 2,
        BlfIncomingCall = 3,
        BlfOutgoingCall = 4,
        BlfBusy = 5,
        BlfHeld = 6
    };
    Q_ENUM(BlfState)

    explicit IContact(int id, const QString& displayName = QString(), QObject* parent = nullptr);
    ~IContact() override;

    int getId() const { return m_Id; }
    QString getDisplayName() const;
    QString getAddress() const;
    QString getJid() const;
    // Name and address for log lines.
    QString getIdentity() const;
    bool isStored() const { return m_Stored; }
    // Neither stored nor the user's own contact.
    bool isTemporary() const { return !m_Stored && m_Id != 0; }
    bool isSearchResult() const { return m_SearchResult; }
    // Another user's request to see the signed-in user's presence (Contacts::presenceRequests).
    bool isPresenceRequest() const { return m_PresenceRequest; }
    void setSearchResult(bool searchResult) { m_SearchResult = searchResult; }
    // The text a search result was found by, for lists to mark in its names.
    QString searchText() const { return m_SearchText; }
    void setSearchText(const QString& text) { m_SearchText = text; }

    // The monitored line is the busy-lamp-field controller's, not a detail the service stores.
    QVariant getProperty(Properties::Key key) const
    {
        return key == Properties::MonitoredLine ? monitoredLine() : m_Properties.value(key);
    }
    Properties::Map properties() const { return m_Properties; }
    void setProperty(Properties::Key key, const QVariant& value);
    void updateProperties(const Properties::Map& properties);

    bool isFavorite() const { return m_Favorite; }
    bool isSubscribed() const { return m_Subscribed; }
    QList<int> groupIds() const { return m_GroupIds; }
    int presenceState() const { return m_PresenceState; }
    QString statusText() const { return m_StatusText; }
    Presence::PresenceData* getPresence() const { return m_Presence; }
    // What the contact sorts by in lists (Models::Helper::sortKey), kept until its
    // properties change: sorting a long list asks for it many times.
    QString sortKey(Models::Helper::PrimarySortField field) const;

    BlfState getBlfState() const { return m_BlfState; }
    bool isMonitored() const { return m_BlfState != BlfNone; }
    // Who calls or talks to the monitored user; empty while the line is free.
    QString blfRemoteCaller() const { return m_BlfRemoteCaller; }
    // The busy-lamp-field controller reports the line (its address and state); a stored
    // contact that becomes or stops being monitored is reported to its list as changed.
    void setBlfState(const QString& line, BlfState state, const QString& remoteCaller = QString());

public slots:
    void subscribe();
    void unsubscribe();
    void addToGroup(int groupId);
    void removeFromGroup(int groupId);
    // The group that the requester of an accepted presence request joins; 0 for none.
    void setRequestGroup(int groupId);
    // Answers a presence request; the list drops the request when the service confirms.
    void acceptPresenceRequest();
    void declinePresenceRequest();

signals:
    void changed();
    void displayNameChanged();
    void blfStateChanged(Kivo::Contacts::IContact::BlfState state);

private:
    friend class Contacts;
    friend class Models::ContactKeys;

    QObject* presenceObject() const;
    QVariant monitoredLine() const { return m_MonitoredLine.isEmpty() ? QVariant() : QVariant(m_MonitoredLine); }
    // Applies what the service reports; emits the change signals when something differs.
    void apply(const Properties::Map& properties, bool favorite, bool subscribed, const QList<int>& groupIds);
    void applyPresence(int state, const QString& statusText);
    void applyProperties(const Properties::Map& properties);

    int m_Id;
    Properties::Map m_Properties;
    bool m_Stored = false;
    bool m_SearchResult = false;
    bool m_PresenceRequest = false;
    int m_RequestGroup = 0;
    QString m_SearchText;
    bool m_Favorite = false;
    bool m_Subscribed = false;
    QList<int> m_GroupIds;
    int m_PresenceState = 0;
    QString m_StatusText;
    Presence::PresenceData* m_Presence = nullptr;
    QPointer<Contacts> m_List;
    mutable QString m_SortKeys[2];
    BlfState m_BlfState = BlfNone;
    QString m_MonitoredLine;
    QString m_BlfRemoteCaller;
    // What lists find and sort the contact by, made when its properties change; held here so
    // that a list reaches it without a look-up.
    std::unique_ptr<Models::ContactKeys> m_Keys;
};

using ContactPtr = IContact*;

} // namespace Contacts
} // namespace Kivo
