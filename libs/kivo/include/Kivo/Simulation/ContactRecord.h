#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QVariant>

namespace Kivo {
namespace Simulation {

// Properties by the engine's contact property number.
using PropertyMap = QMap<int, QVariant>;

// A stored contact as the service reports it.
struct ContactRecord
{
    int id = 0;
    PropertyMap properties;
    bool favorite = false;
    bool subscribed = true;
    QList<int> groups;
    int presence = 0;
    QString note;
};

struct GroupRecord
{
    int id = 0;
    QString name;
};

// The service's side of one account's contact list, beyond its plain contacts: their
// properties, favourites, subscriptions and groups.
struct ContactBook
{
    QHash<int, ContactRecord> records;
    QList<GroupRecord> groups;
    // Other users waiting to see the account's presence, oldest first: id 0, their address
    // and IM address.
    QList<ContactRecord> presenceRequests;
    int nextContactId = 1;
    int nextGroupId = 1;
};

} // namespace Simulation
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Simulation::ContactRecord)
Q_DECLARE_METATYPE(Kivo::Simulation::GroupRecord)
