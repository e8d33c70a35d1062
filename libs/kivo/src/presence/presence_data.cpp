#include <Kivo/Presence/PresenceData.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <QBuffer>
#include <QDateTime>
#include <QImage>
#include <QImageReader>
#include <QMultiHash>
#include <QPointer>
#include <QStringList>
#include <QRegularExpression>
#include <QTimeZone>

namespace Kivo {
namespace Presence {

using Tesk::Core::Logging::LevelDebug;
using Tesk::Core::Logging::LevelWarning;

// Hands each presence event of the service to the objects of that one contact, so that an
// event costs the same however many contacts have presence objects.
class PresenceRouter : public QObject
{
public:
    static PresenceRouter& instance()
    {
        static QPointer<PresenceRouter> router;
        if (!router)
            router = new PresenceRouter(Simulation::Service::shared());
        return *router;
    }

    void add(int contactId, PresenceData* data) { m_Receivers.insert(contactId, data); }
    void remove(int contactId, PresenceData* data) { m_Receivers.remove(contactId, data); }

private:
    explicit PresenceRouter(Simulation::Service& service)
        : QObject(&service)
    {
        connect(&service, &Simulation::Service::presenceChanged, this,
                [this](int contactId, int presence, const QString& note) {
                    // A receiver may go while another one handles the event.
                    const QList<PresenceData*> receivers = m_Receivers.values(contactId);
                    for (PresenceData* data : receivers) {
                        if (m_Receivers.contains(contactId, data))
                            data->cbPresenceChanged(presence, note);
                    }
                });
    }

    QMultiHash<int, PresenceData*> m_Receivers;
};

PresenceData::PresenceData(int contactId, QObject* parent)
    : QObject(parent)
    , m_ContactId(contactId)
{
    qRegisterMetaType<Kivo::Utils::Location::Info>();
    Simulation::Service& service = Simulation::Service::shared();
    if (isOwn()) {
        if (const auto account = service.signedInAccount())
            m_Presence = account->presence;
        m_StatusText = service.ownNote();
        m_Location = service.ownLocation();
        connect(&service, &Simulation::Service::ownPresenceChanged, this, &PresenceData::cbOwnPresenceChanged);
        connect(&service, &Simulation::Service::ownNoteChanged, this, [this](const QString& note) {
            if (note != m_StatusText) {
                m_StatusText = note;
                emit presenceChanged();
            }
        });
        connect(&service, &Simulation::Service::ownLocationChanged, this, &PresenceData::cbOwnLocationChanged);
        m_Avatar = service.ownPicture();
        connect(&service, &Simulation::Service::ownPictureChanged, this, [this](const QByteArray& png) {
            if (png != m_Avatar) {
                m_Avatar = png;
                emit avatarChanged();
            }
        });
    } else {
        if (const auto contact = service.contact(contactId)) {
            m_Presence = contact->presence;
            m_StatusText = contact->note;
            m_Avatar = contact->picture;
            m_Location = contact->location;
            for (const Simulation::DevicePresence& device : contact->devices) {
                m_Devices.append(QVariantMap{{QStringLiteral("resource"), device.resource},
                                             {QStringLiteral("presence"), device.presence},
                                             {QStringLiteral("statusText"), device.note}});
            }
        }
        PresenceRouter::instance().add(m_ContactId, this);
    }
}

PresenceData::~PresenceData()
{
    if (!isOwn())
        PresenceRouter::instance().remove(m_ContactId, this);
}

void PresenceData::publishInternalPresence(int presence, bool force)
{
    if (!isOwn()) {
        KIVO_LOG(LevelWarning) << "Presence of contact " << m_ContactId << " cannot be published";
        return;
    }
    if (presence == m_Presence && !force) {
        KIVO_LOG(LevelDebug) << "Presence " << presence << " already published";
        return;
    }
    Simulation::Service::shared().setOwnPresence(presence);
}

void PresenceData::setStatusText(const QString& text)
{
    if (!isOwn()) {
        KIVO_LOG(LevelWarning) << "Status text of contact " << m_ContactId << " cannot be published";
        return;
    }
    Simulation::Service::shared().setOwnNote(text);
}

void PresenceData::setLocation(const Kivo::Utils::Location::Info& location)
{
    if (!isOwn()) {
        KIVO_LOG(LevelWarning) << "Location of contact " << m_ContactId << " cannot be set";
        return;
    }
    // The session's location publisher sends it on when told the own location changed.
    cbOwnLocationChanged(location);
}

QString PresenceData::avatarUrl() const
{
    if (m_Avatar.isEmpty())
        return QString();
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(m_Avatar.toBase64());
}

void PresenceData::setAvatarPath(const QString& path)
{
    if (!isOwn()) {
        KIVO_LOG(LevelWarning) << "Profile picture of contact " << m_ContactId << " cannot be set";
        return;
    }
    if (path.isEmpty()) {
        Simulation::Service::shared().setOwnPicture(QByteArray());
        return;
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // A huge image would cost its full size in memory before being cut down.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > 64LL * 1024 * 1024) {
        KIVO_LOG(LevelWarning) << "Profile picture " << path << " is too large";
        return;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        KIVO_LOG(LevelWarning) << "Profile picture " << path << " could not be read: " << reader.errorString();
        return;
    }
    const int side = qMin(image.width(), image.height());
    const QImage square = image.copy((image.width() - side) / 2, (image.height() - side) / 2, side, side)
                              .scaled(AvatarSize, AvatarSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    square.save(&buffer, "PNG");
    Simulation::Service::shared().setOwnPicture(png);
}

void PresenceData::cbOwnPresenceChanged(int presence)
{
    if (presence == m_Presence)
        return;
    m_Presence = presence;
    emit presenceChanged();
}

void PresenceData::cbPresenceChanged(int presence, const QString& note)
{
    if (presence == m_Presence && note == m_StatusText)
        return;
    m_Presence = presence;
    m_StatusText = note;
    emit presenceChanged();
}

void PresenceData::cbOwnLocationChanged(const Kivo::Utils::Location::Info& location)
{
    // The published record is kept whole: the address and numbers travel with it.
    m_Location = location;
    emit locationChanged();
}

QString PresenceData::locationText() const
{
    if (!m_Location.manualLocation.trimmed().isEmpty())
        return m_Location.manualLocation.trimmed();
    QStringList parts;
    for (const QString& part : {m_Location.city, m_Location.state, m_Location.country}) {
        if (!part.trimmed().isEmpty())
            parts.append(part.trimmed());
    }
    return parts.join(QStringLiteral(", "));
}

QString PresenceData::localTime() const
{
    const QString name = m_Location.timeZone.trimmed();
    if (name.isEmpty())
        return QString();
    // An offset as the service publishes it: a sign, two hour digits, ":" and two minute digits.
    static const QRegularExpression offset(QStringLiteral("^([+-])(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch match = offset.match(name);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (match.hasMatch()) {
        const int hours = match.captured(2).toInt();
        const int minutes = match.captured(3).toInt();
        if (hours > 14 || minutes > 59)
            return QString();
        const int seconds = (match.captured(1) == QLatin1String("-") ? -1 : 1) * (hours * 3600 + minutes * 60);
        return now.toOffsetFromUtc(seconds).toString(QStringLiteral("HH:mm"));
    }
    const QTimeZone zone(name.toUtf8());
    return zone.isValid() ? now.toTimeZone(zone).toString(QStringLiteral("HH:mm")) : QString();
}

} // namespace Presence
} // namespace Kivo
