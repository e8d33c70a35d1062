#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Models/ContactKeys.h>
#include <Kivo/Presence/PresenceData.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Contacts {

namespace {

using Tesk::Core::Logging::LevelWarning;

} // namespace

IContact::IContact(int id, const QString& displayName, QObject* parent)
    : QObject(parent)
    , m_Id(id)
    , m_Presence(new Presence::PresenceData(id, this))
{
    if (!displayName.isEmpty()) {
        m_Properties.insert(Properties::DisplayName, displayName);
        Models::ContactKeys::update(*this);
    }
}

IContact::~IContact() = default;

QString IContact::getDisplayName() const
{
    const QString name = m_Properties.value(Properties::DisplayName).toString();
    if (!name.isEmpty())
        return name;
    // Directory matches leave out a name that only joins the first and the last name.
    return QStringList{m_Properties.value(Properties::FirstName).toString(),
                       m_Properties.value(Properties::LastName).toString()}
        .join(QLatin1Char(' '))
        .trimmed();
}

QString IContact::getAddress() const
{
    return m_Properties.value(Properties::Address).toString();
}

QString IContact::getJid() const
{
    const QString jid = m_Properties.value(Properties::Jid).toString();
    return jid.isEmpty() ? getAddress() : jid;
}

QString IContact::getIdentity() const
{
    const QString name = getDisplayName();
    const QString address = getAddress();
    if (address.isEmpty())
        return QStringLiteral("%1 [%2]").arg(name).arg(m_Id);
    return QStringLiteral("%1 <%2> [%3]").arg(name, address).arg(m_Id);
}

QString IContact::sortKey(Models::Helper::PrimarySortField field) const
{
    QString& key = m_SortKeys[field == Models::Helper::LastName ? 1 : 0];
    if (key.isNull())
        key = Models::Helper::sortKey(getProperty(Properties::FirstName).toString(),
                                      getProperty(Properties::LastName).toString(), getDisplayName(), field);
    return key;
}

QObject* IContact::presenceObject() const
{
    return m_Presence;
}

void IContact::setProperty(Properties::Key key, const QVariant& value)
{
    updateProperties({{key, value}});
}

void IContact::updateProperties(const Properties::Map& properties)
{
    if (properties.isEmpty())
        return;
    if (m_Stored) {
        if (m_List)
            m_List->requestUpdate(*this, properties);
        return;
    }
    Properties::Map merged = m_Properties;
    for (auto it = properties.constBegin(); it != properties.constEnd(); ++it) {
        if (it.value().isNull() || (it.value().type() == QVariant::String && it.value().toString().isEmpty()))
            merged.remove(it.key());
        else
            merged.insert(it.key(), it.value());
    }
    applyProperties(merged);
}

void IContact::subscribe()
{
    if (m_Stored && m_List)
        m_List->requestSubscription(*this, true);
    else
        KIVO_LOG(LevelWarning) << "Only a stored contact can be subscribed: " << getIdentity();
}

void IContact::unsubscribe()
{
    if (m_Stored && m_List)
        m_List->requestSubscription(*this, false);
    else
        KIVO_LOG(LevelWarning) << "Only a stored contact can be unsubscribed: " << getIdentity();
}

void IContact::addToGroup(int groupId)
{
    if (m_Stored && m_List)
        m_List->requestMembership(*this, groupId, true);
    else
        KIVO_LOG(LevelWarning) << "Only a stored contact can join a group: " << getIdentity();
}

void IContact::removeFromGroup(int groupId)
{
    if (m_Stored && m_List)
        m_List->requestMembership(*this, groupId, false);
    else
        KIVO_LOG(LevelWarning) << "Only a stored contact can leave a group: " << getIdentity();
}

void IContact::setRequestGroup(int groupId)
{
    m_RequestGroup = groupId;
}

void IContact::acceptPresenceRequest()
{
    if (m_PresenceRequest && m_List)
        m_List->answerPresenceRequest(*this, true);
    else
        KIVO_LOG(LevelWarning) << "Not a presence request: " << getIdentity();
}

void IContact::declinePresenceRequest()
{
    if (m_PresenceRequest && m_List)
        m_List->answerPresenceRequest(*this, false);
    else
        KIVO_LOG(LevelWarning) << "Not a presence request: " << getIdentity();
}

void IContact::setBlfState(const QString& line, BlfState state, const QString& remoteCaller)
{
    const QString address = state == BlfNone ? QString() : line.trimmed();
    const QString caller = state == BlfNone ? QString() : remoteCaller.trimmed();
    if (state == m_BlfState && address == m_MonitoredLine && caller == m_BlfRemoteCaller)
        return;
    const bool monitoringChanged = (state == BlfNone) != (m_BlfState == BlfNone) || address != m_MonitoredLine;
    m_BlfState = state;
    m_MonitoredLine = address;
    m_BlfRemoteCaller = caller;
    emit blfStateChanged(state);
    if (monitoringChanged && m_Stored && m_List)
        emit m_List->contactChanged(this);
}

void IContact::applyProperties(const Properties::Map& properties)
{
    if (properties == m_Properties)
        return;
    const bool nameChanged = properties.value(Properties::DisplayName) != m_Properties.value(Properties::DisplayName);
    m_Properties = properties;
    for (QString& key : m_SortKeys)
        key = QString();
    Models::ContactKeys::update(*this);
    if (nameChanged)
        emit displayNameChanged();
    emit changed();
}

void IContact::apply(const Properties::Map& properties, bool favorite, bool subscribed, const QList<int>& groupIds)
{
    const bool flagsChanged = favorite != m_Favorite || subscribed != m_Subscribed || groupIds != m_GroupIds;
    m_Favorite = favorite;
    m_Subscribed = subscribed;
    m_GroupIds = groupIds;
    if (properties != m_Properties)
        applyProperties(properties);
    else if (flagsChanged)
        emit changed();
}

void IContact::applyPresence(int state, const QString& statusText)
{
    if (state == m_PresenceState && statusText == m_StatusText)
        return;
    m_PresenceState = state;
    m_StatusText = statusText;
    emit changed();
}

} // namespace Contacts
} // namespace Kivo
