#pragma once

#include <Kivo/Contacts/Properties.h>
#include <Kivo/Models/Helper.h>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {
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
    Q_PROPERTY(bool stored READ isStored NOTIFY changed)
    Q_PROPERTY(bool temporary READ isTemporary NOTIFY changed)
    Q_PROPERTY(QString searchText READ searchText NOTIFY changed)
    Q_PROPERTY(bool favorite READ isFavorite NOTIFY changed)
    Q_PROPERTY(bool subscribed READ isSubscribed NOTIFY changed)
    Q_PROPERTY(int presenceState READ presenceState NOTIFY changed)
    Q_PROPERTY(QString statusText READ statusText NOTIFY changed)
    Q_PROPERTY(QObject* presence READ presenceObject CONSTANT)

public:
    explicit IContact(int id, const QString& displayName = QString(), QObject* parent = nullptr);
    ~IContact() override;

    int getId() const { return m_Id; }
    QString getDisplayName() const;
    QString getAddress() const;
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

    QVariant getProperty(Properties::Key key) const { return m_Properties.value(key); }
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

private:
    friend class Contacts;

    QObject* presenceObject() const;
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
};

using ContactPtr = IContact*;

} // namespace Contacts
} // namespace Kivo
