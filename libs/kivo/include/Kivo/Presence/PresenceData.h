#pragma once

#include <Kivo/Utils/Location.h>

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVariantList>

namespace Kivo {
namespace Presence {

class PresenceRouter;

// Presence of one contact, or of the user for contact id 0. The user's own object publishes
// to the service; every other one follows the service's presence events for its contact.
class PresenceData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int internalPresence READ internalPresence NOTIFY presenceChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY presenceChanged)
    Q_PROPERTY(QString avatarUrl READ avatarUrl NOTIFY avatarChanged)
    Q_PROPERTY(QString locationText READ locationText NOTIFY locationChanged)
    // The devices signed in, each a map of "resource", "presence" and "statusText".
    Q_PROPERTY(QVariantList devices READ devices NOTIFY presenceChanged)

public:
    explicit PresenceData(int contactId, QObject* parent = nullptr);
    ~PresenceData() override;

    int contactId() const { return m_ContactId; }
    bool isOwn() const { return m_ContactId == 0; }
    // The engine's internal presence, 0 to 19; 0 while nothing is known.
    int internalPresence() const { return m_Presence; }
    QString statusText() const { return m_StatusText; }
    Utils::Location::Info getLocationInfo() const { return m_Location; }
    // The profile picture as an image address the scenes can show; empty for none.
    QString avatarUrl() const;
    // The longest side of a published picture.
    static constexpr int AvatarSize = 96;
    // The place as a person reads it: the typed-in location, else city and country.
    QString locationText() const;
    // The time of day where the contact is ("14:05"); empty without a known time zone. The
    // zone is an offset from UTC ("+02:00", "-05:30") or a zone's name.
    Q_INVOKABLE QString localTime() const;
    QVariantList devices() const { return m_Devices; }

public slots:
    // Own presence only: asks the service to publish it; a value the service already has is
    // sent again only when forced.
    void publishInternalPresence(int presence, bool force);
    void publishInternalPresence(int presence) { publishInternalPresence(presence, false); }
    void setStatusText(const QString& text);
    // Own presence only: the location to publish next.
    void setLocation(const Kivo::Utils::Location::Info& location);
    // Own presence only: publishes the picture in the file, cut to a square; an empty path
    // removes the picture. A file that is no readable image changes nothing.
    void setAvatarPath(const QString& path);

signals:
    void presenceChanged();
    void avatarChanged();
    void locationChanged();

private:
    friend class PresenceRouter;

    void cbOwnPresenceChanged(int presence);
    void cbOwnLocationChanged(const Kivo::Utils::Location::Info& location);
    // A presence event of the service for this contact; PresenceRouter hands them out.
    void cbPresenceChanged(int presence, const QString& note);

    const int m_ContactId;
    int m_Presence = 0;
    QString m_StatusText;
    Utils::Location::Info m_Location;
    QByteArray m_Avatar;
    QVariantList m_Devices;
};

} // namespace Presence
} // namespace Kivo
