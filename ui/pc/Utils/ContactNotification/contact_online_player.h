#pragma once

#include "Utils/sounds_player.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QMap>
#include <QObject>
#include <QPointer>

class QAbstractItemModel;
class QModelIndex;

namespace Utils {
namespace ContactNotification {

// Watches the contact list's model and reports contacts whose availability changed, at most
// one per batch of rows, so that a roster arriving at once is heard once.
class NotificationBase : public QObject
{
    Q_OBJECT

public:
    NotificationBase(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, int availabilityRole,
                     QObject* parent = nullptr);

protected slots:
    void rowsInserted(const QModelIndex& parent, int first, int last);
    void rowsRemoved(const QModelIndex& parent, int first, int last);
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);

protected:
    virtual void notify(Kivo::Contacts::IContact* contact) = 0;
    virtual bool accepts(bool available) const = 0;
    // Takes in the rows already listed without a sound: what was known at sign-in is no news.
    void recordPresentRows();
    int rowCount() const;

private:
    void takeRows(int first, int last, bool audible);

    int m_AvailabilityRole;
    QMap<int, bool> m_Available;
    QPointer<QAbstractItemModel> m_Model;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
};

// Plays its sound, when its setting allows, for the contacts it accepts.
class ContactPlayer : public NotificationBase
{
    Q_OBJECT

public:
    ContactPlayer(const QString& settingsKey, const QString& file, int availabilityRole,
                  Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, QObject* parent = nullptr);

protected:
    void notify(Kivo::Contacts::IContact* contact) override;

private:
    Sounds::SettingsBoolPlayer m_Player;
};

class ContactOnlinePlayer : public ContactPlayer
{
    Q_OBJECT

public:
    explicit ContactOnlinePlayer(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                 QObject* parent = nullptr);

protected:
    bool accepts(bool available) const override { return available; }
};

class ContactOfflinePlayer : public ContactPlayer
{
    Q_OBJECT

public:
    explicit ContactOfflinePlayer(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                  QObject* parent = nullptr);

protected:
    bool accepts(bool available) const override { return !available; }
};

} // namespace ContactNotification
} // namespace Utils
