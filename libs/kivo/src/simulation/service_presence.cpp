#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

// Reads one location object of an account; anything but text in a field is refused whole.
bool readLocation(const QJsonValue& value, Utils::Location::Info& location, QString& problem)
{
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isObject()) {
        problem = QStringLiteral("a location is not an object");
        return false;
    }
    const QJsonObject object = value.toObject();
    const struct
    {
        const char* key;
        QString Utils::Location::Info::*field;
    } fields[] = {{"address", &Utils::Location::Info::ipAddress},
                  {"timeZone", &Utils::Location::Info::timeZone},
                  {"manualLocation", &Utils::Location::Info::manualLocation},
                  {"city", &Utils::Location::Info::city},
                  {"country", &Utils::Location::Info::country},
                  {"state", &Utils::Location::Info::state}};
    Utils::Location::Info read;
    for (const auto& field : fields) {
        const QJsonValue text = object.value(QLatin1String(field.key));
        if (text.isUndefined())
            continue;
        if (!text.isString()) {
            problem = QStringLiteral("location field %1 is not text").arg(QLatin1String(field.key));
            return false;
        }
        read.*field.field = text.toString();
    }
    location = read;
    return true;
}

} // namespace

void Service::loadLocations(const QByteArray& json)
{
    m_LocatedAt.clear();
    m_PublishedLocations.clear();
    m_OwnNotes.clear();
    const QJsonArray accounts = QJsonDocument::fromJson(json).object().value(QStringLiteral("accounts")).toArray();
    for (const QJsonValue& entry : accounts) {
        const QJsonObject account = entry.toObject();
        const QString user = account.value(QStringLiteral("user")).toString().trimmed().toLower();
        Utils::Location::Info located;
        Utils::Location::Info published;
        QString problem;
        if (!readLocation(account.value(QStringLiteral("location")), located, problem)
            || !readLocation(account.value(QStringLiteral("publishedLocation")), published, problem)) {
            KIVO_LOG(LevelWarning) << "Simulated service: locations of " << user << " ignored: " << problem;
            continue;
        }
        m_LocatedAt.insert(user, located);
        m_PublishedLocations.insert(user, published);
    }
}

QString Service::ownKey() const
{
    return m_Accounts.at(*m_SignedIn).userName.toLower();
}

void Service::setOwnNote(const QString& note)
{
    if (!m_SignedIn) {
        KIVO_LOG(LevelWarning) << "Simulated service: own note refused, nobody is signed in";
        return;
    }
    post(
        [this, note] {
            m_OwnNotes.insert(ownKey(), note);
            emit ownNoteChanged(note);
        },
        true);
}

QString Service::ownNote() const
{
    if (!m_SignedIn)
        return QString();
    return m_OwnNotes.value(ownKey());
}

void Service::setOwnPicture(const QByteArray& png)
{
    if (!m_SignedIn) {
        KIVO_LOG(LevelWarning) << "Simulated service: profile picture refused, nobody is signed in";
        return;
    }
    post(
        [this, png] {
            m_OwnPictures.insert(ownKey(), png);
            emit ownPictureChanged(png);
        },
        true);
}

QByteArray Service::ownPicture() const
{
    if (!m_SignedIn)
        return QByteArray();
    return m_OwnPictures.value(ownKey());
}

Utils::Location::Info Service::ownLocation() const
{
    if (!m_SignedIn)
        return Utils::Location::Info();
    return m_PublishedLocations.value(ownKey());
}

void Service::setOwnLocation(const Utils::Location::Info& location)
{
    if (!m_SignedIn) {
        KIVO_LOG(LevelWarning) << "Simulated service: own location refused, nobody is signed in";
        return;
    }
    post(
        [this, location] {
            m_PublishedLocations.insert(ownKey(), location);
            KIVO_LOG(LevelInfo) << "Simulated service: own location published";
            emit ownLocationChanged(location);
        },
        true);
}

void Service::requestLocations()
{
    if (!m_SignedIn) {
        KIVO_LOG(LevelWarning) << "Simulated service: location request refused, nobody is signed in";
        return;
    }
    const QString user = ownKey();
    const Utils::Location::Info located = m_LocatedAt.value(user);
    post([this, located] { emit soapActionLocationReceived(located); }, true);
    post([this, user] { emit pubsubLocationReceived(m_PublishedLocations.value(user)); }, true);
}

bool Control::injectSoapActionLocation(const Utils::Location::Info& location)
{
    if (!m_Service.isSignedIn())
        return refuse("SOAP-action location", "nobody is signed in");
    Service* service = &m_Service;
    m_Service.post([service, location] { emit service->soapActionLocationReceived(location); }, true);
    return true;
}

bool Control::injectPubsubLocation(const Utils::Location::Info& location)
{
    if (!m_Service.isSignedIn())
        return refuse("pubsub location", "nobody is signed in");
    Service* service = &m_Service;
    m_Service.post([service, location] { emit service->pubsubLocationReceived(location); }, true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
