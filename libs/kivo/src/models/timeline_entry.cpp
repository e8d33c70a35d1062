#include <Kivo/Models/TimelineEntry.h>

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Models/Timeline.h>

#include "../kivo_log.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>
#include <QUrl>

namespace Kivo {
namespace Models {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

} // namespace

TimelineEntry::TimelineEntry(const Data& data, QObject* parent)
    : Actions::Source(parent)
    , m_Data(data)
{
}

QString TimelineEntry::getDisplayName() const
{
    if (m_Contact && !m_Contact->getDisplayName().isEmpty())
        return m_Contact->getDisplayName();
    return m_Data.remote.contains('@') ? m_Data.remote.section('@', 0, 0) : m_Data.remote;
}

Contacts::IContact* TimelineEntry::getContact() const
{
    return m_Contact;
}

void TimelineEntry::setNewComms(bool newComms)
{
    if (newComms == m_NewComms)
        return;
    m_NewComms = newComms;
    emit newCommsChanged();
}

void TimelineEntry::setContact(Contacts::IContact* contact)
{
    if (contact == m_Contact || (!contact && m_Contact && m_Contact->parent() == this))
        return;
    m_Contact = contact;
    emit changed();
}

QObject* TimelineEntry::contactObject() const
{
    if (m_Contact)
        return m_Contact;
    // Somebody not in the contact list still gets a contact to call back or add; made when
    // first asked for, as most rows of a long history are never looked at.
    const auto* timeline = qobject_cast<const Timeline*>(parent());
    Contacts::Contacts* contacts = timeline ? timeline->contacts() : nullptr;
    if (!contacts || m_Data.remote.isEmpty() || m_Data.subType == GroupChat)
        return nullptr;
    auto* self = const_cast<TimelineEntry*>(this);
    Contacts::IContact* contact = contacts->createTemporaryContact(self);
    contact->setProperty(m_Data.remote.contains('@') ? Contacts::Properties::Address : Contacts::Properties::WorkNumber,
                         m_Data.remote);
    self->m_Contact = contact;
    return contact;
}

void TimelineEntry::updateChat(const QString& message, const QDateTime& time, int direction, int unread)
{
    const bool changedText = message != m_Data.message || time != m_Data.time || direction != m_Data.direction;
    m_Data.message = message;
    m_Data.time = time;
    m_Data.direction = Direction(direction);
    const bool unreadChanged = unread != m_Unread;
    m_Unread = unread;
    if (changedText)
        emit changed();
    if ((unread > 0) != m_NewComms)
        setNewComms(unread > 0);
    else if (unreadChanged)
        emit newCommsChanged();
}

void TimelineEntry::resetMissedCalls()
{
    if (m_Data.type == Call)
        setNewComms(false);
}

TimelineEntryVoiceMail::TimelineEntryVoiceMail(Data data, Timeline* timeline, QObject* parent)
    : TimelineEntry(withType(data), parent)
    , m_Timeline(timeline)
{
}

void TimelineEntryVoiceMail::setMediaState(int state)
{
    if (state == m_MediaState)
        return;
    m_MediaState = state;
    emit mediaStateChanged();
}

void TimelineEntryVoiceMail::fetch(Pending then)
{
    m_Pending = then;
    if (m_MediaState == Downloading)
        return;
    setMediaState(Downloading);
    if (m_Timeline)
        m_Timeline->requestMedia(this);
    else
        mediaFailed();
}

void TimelineEntryVoiceMail::setMedia(const QByteArray& media)
{
    m_Media = media;
    const Pending pending = m_Pending;
    m_Pending = Pending::Nothing;
    setMediaState(Ready);
    switch (pending) {
    case Pending::Play:
        playMedia();
        break;
    case Pending::Save:
        saveMediaTo(m_SavePath);
        break;
    case Pending::OpenFax:
        writeAndOpenFax();
        break;
    case Pending::Nothing:
        break;
    }
}

void TimelineEntryVoiceMail::mediaFailed()
{
    m_Pending = Pending::Nothing;
    setMediaState(DownloadFailed);
}

void TimelineEntryVoiceMail::advance(qint64 milliseconds)
{
    if (m_MediaState != Playing)
        return;
    m_Position = qMin(m_Position + milliseconds, getMediaDuration());
    emit positionChanged();
    if (m_Position >= getMediaDuration()) {
        m_Position = 0;
        emit positionChanged();
        setMediaState(Stopped);
    }
}

void TimelineEntryVoiceMail::playMedia()
{
    if (getSubType() == Fax) {
        openFaxMessage();
        return;
    }
    if (m_Media.isEmpty()) {
        fetch(Pending::Play);
        return;
    }
    if (getMediaDuration() <= 0) {
        setMediaState(NotPlayable);
        return;
    }
    setMediaState(Playing);
    // Listening to a message is reading it.
    if (hasNewComms())
        emit voiceMailRead();
    if (m_Timeline)
        m_Timeline->startPlaying(this);
}

void TimelineEntryVoiceMail::pauseMedia()
{
    if (m_MediaState == Playing)
        setMediaState(Paused);
}

void TimelineEntryVoiceMail::stopMedia()
{
    if (m_MediaState != Playing && m_MediaState != Paused)
        return;
    m_Position = 0;
    emit positionChanged();
    setMediaState(Stopped);
}

void TimelineEntryVoiceMail::saveMedia()
{
    const QString suffix = getSubType() == Fax ? QStringLiteral(".pdf") : QStringLiteral(".wav");
    const QString suggested = QDir::homePath() + '/' + getDisplayName() + ' '
                              + getTime().toString(QStringLiteral("yyyy-MM-dd HH-mm")) + suffix;
    auto* dialog = new QFileDialog(nullptr, tr("Save Voicemail"), suggested);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, &TimelineEntryVoiceMail::saveMediaTo);
    dialog->open();
}

bool TimelineEntryVoiceMail::saveMediaTo(const QString& path)
{
    if (path.isEmpty())
        return false;
    if (m_Media.isEmpty()) {
        m_SavePath = path;
        fetch(Pending::Save);
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(m_Media) != m_Media.size()) {
        KIVO_LOG(LevelWarning) << "Voice mail " << getEntryId() << " not saved to " << path;
        setMediaState(StorageFull);
        return false;
    }
    KIVO_LOG(LevelInfo) << "Voice mail " << getEntryId() << " saved to " << path;
    emit mediaSaved(path);
    return true;
}

void TimelineEntryVoiceMail::openFaxMessage()
{
    if (getSubType() != Fax)
        return;
    if (m_Media.isEmpty()) {
        fetch(Pending::OpenFax);
        return;
    }
    writeAndOpenFax();
}

void TimelineEntryVoiceMail::writeAndOpenFax()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    QString name = getEntryId();
    name.replace(QRegExp(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
    const QString path = folder + QStringLiteral("/fax-") + name + QStringLiteral(".pdf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(m_Media) != m_Media.size()) {
        setMediaState(StorageFull);
        return;
    }
    file.close();
    if (hasNewComms())
        emit voiceMailRead();
    emit faxOpened(path);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace Models
} // namespace Kivo
