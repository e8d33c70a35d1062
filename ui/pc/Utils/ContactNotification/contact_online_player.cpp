#include "Utils/ContactNotification/contact_online_player.h"

#include "common/connect_check.h"
#include "common/constants.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Models/Roles.h>

#include <QAbstractItemModel>

namespace Utils {
namespace ContactNotification {

NotificationBase::NotificationBase(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                   int availabilityRole, QObject* parent)
    : QObject(parent)
    , m_AvailabilityRole(availabilityRole)
    , m_Contacts(contacts)
{
    if (!m_Contacts)
        return;
    m_Model = m_Contacts->getModel(1);
    if (!m_Model)
        return;
    CHECKED_CONNECT(m_Model, SIGNAL(rowsInserted(const QModelIndex&, int, int)), this,
                    SLOT(rowsInserted(const QModelIndex&, int, int)));
    CHECKED_CONNECT(m_Model, SIGNAL(rowsAboutToBeRemoved(const QModelIndex&, int, int)), this,
                    SLOT(rowsRemoved(const QModelIndex&, int, int)));
    CHECKED_CONNECT(m_Model, SIGNAL(dataChanged(const QModelIndex&, const QModelIndex&)), this,
                    SLOT(dataChanged(const QModelIndex&, const QModelIndex&)));
}

int NotificationBase::rowCount() const
{
    return m_Model ? m_Model->rowCount() : 0;
}

void NotificationBase::recordPresentRows()
{
    takeRows(0, rowCount() - 1, false);
}

void NotificationBase::rowsInserted(const QModelIndex&, int first, int last)
{
    takeRows(first, last, true);
}

void NotificationBase::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    takeRows(topLeft.row(), bottomRight.row(), true);
}

void NotificationBase::takeRows(int first, int last, bool audible)
{
    if (!m_Model)
        return;
    bool played = !audible;
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = m_Model->index(row, 0);
        const QVariant value = index.data(m_AvailabilityRole);
        if (!value.isValid())
            continue;
        const bool available = value.toBool();
        const int id = index.data(Kivo::Models::Roles::ContactId).toInt();
        // A contact first seen counts as one that was unavailable.
        if (m_Available.value(id, false) == available) {
            m_Available.insert(id, available);
            continue;
        }
        m_Available.insert(id, available);
        if (!played && accepts(available)) {
            played = true;
            notify(m_Contacts ? m_Contacts->getContact(id) : nullptr);
        }
    }
}

void NotificationBase::rowsRemoved(const QModelIndex&, int first, int last)
{
    if (!m_Model)
        return;
    for (int row = first; row <= last; ++row)
        m_Available.remove(m_Model->index(row, 0).data(Kivo::Models::Roles::ContactId).toInt());
}

ContactPlayer::ContactPlayer(const QString& settingsKey, const QString& file, int availabilityRole,
                             Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, QObject* parent)
    : NotificationBase(contacts, availabilityRole, parent)
    , m_Player(settingsKey, file)
{
    recordPresentRows();
}

void ContactPlayer::notify(Kivo::Contacts::IContact*)
{
    m_Player.play();
}

ContactOnlinePlayer::ContactOnlinePlayer(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                         QObject* parent)
    : ContactPlayer(Constants::SettingsKey::SoundsContactOnlineEnabled, ":/sounds/contact_online.wav",
                    Kivo::Models::Roles::Available, contacts, parent)
{
}

ContactOfflinePlayer::ContactOfflinePlayer(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                           QObject* parent)
    : ContactPlayer(Constants::SettingsKey::SoundsContactOfflineEnabled, ":/sounds/contact_offline.wav",
                    Kivo::Models::Roles::Available, contacts, parent)
{
}

} // namespace ContactNotification
} // namespace Utils
