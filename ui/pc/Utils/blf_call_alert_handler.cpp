#include "Utils/blf_call_alert_handler.h"
#include "Utils/sounds_player.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Contacts/IContact.h>
#include <Kivo/Models/Roles.h>
#include <Kivo/Settings.h>

#include <QAbstractItemModel>

namespace Utils {

namespace {

const char* yesNo(bool value)
{
    return value ? "yes" : "no";
}

} // namespace

BlfCallAlertHandler::BlfCallAlertHandler(QAbstractItemModel* model, QObject* parent)
    : QObject(parent)
    , m_Model(model)
{
}

void BlfCallAlertHandler::initialize()
{
    if (m_Model) {
        watchRows(0, m_Model->rowCount() - 1);
        // Team members the service reports after the window opened are watched as well.
        connect(m_Model, &QAbstractItemModel::rowsInserted, this, &BlfCallAlertHandler::onRowsInserted,
                Qt::UniqueConnection);
        connect(m_Model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                &BlfCallAlertHandler::onRowsAboutToBeRemoved, Qt::UniqueConnection);
        connect(m_Model, &QAbstractItemModel::modelReset, this, &BlfCallAlertHandler::onModelReset,
                Qt::UniqueConnection);
    }
    initSoundPlayer();
}

void BlfCallAlertHandler::watchRows(int first, int last)
{
    for (int row = first; row <= last; ++row) {
        auto* contact = qobject_cast<Kivo::Contacts::IContact*>(
            m_Model->index(row, 0).data(Kivo::Models::Roles::Contact).value<QObject*>());
        if (!contact)
            continue;
        disconnect(contact, SIGNAL(blfStateChanged(Kivo::Contacts::IContact::BlfState)), this, SLOT(onBlfStateChanged()));
        CHECKED_CONNECT(contact, SIGNAL(blfStateChanged(Kivo::Contacts::IContact::BlfState)), this,
                        SLOT(onBlfStateChanged()));
        m_States.insert(contact->getId(), contact->getBlfState());
        m_Watched.insert(contact->getId(), contact);
    }
}

void BlfCallAlertHandler::onRowsInserted(const QModelIndex& parent, int first, int last)
{
    if (parent.isValid())
        return;
    watchRows(first, last);
    checkPlayingAlert(-1);
    emitAlert();
}

void BlfCallAlertHandler::onRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last)
{
    if (parent.isValid())
        return;
    for (int row = first; row <= last; ++row) {
        QObject* object = m_Model->index(row, 0).data(Kivo::Models::Roles::Contact).value<QObject*>();
        if (auto* contact = qobject_cast<Kivo::Contacts::IContact*>(object)) {
            disconnect(contact, nullptr, this, nullptr);
            m_States.remove(contact->getId());
            m_Watched.remove(contact->getId());
        }
    }
    checkPlayingAlert(-1);
    emitAlert();
}

void BlfCallAlertHandler::onModelReset()
{
    for (const QPointer<QObject>& contact : qAsConst(m_Watched)) {
        if (contact)
            disconnect(contact, nullptr, this, nullptr);
    }
    m_Watched.clear();
    m_States.clear();
    watchRows(0, m_Model->rowCount() - 1);
    checkPlayingAlert(-1);
    emitAlert();
}

void BlfCallAlertHandler::initSoundPlayer()
{
    if (m_Player)
        return;
    LOG_INFO << "Creating a new sound player object";
    m_Player = new Sounds::BlfRingPlayer(this);
    CHECKED_CONNECT(this, SIGNAL(blfSettingsChanged()), m_Player, SLOT(onPreferencesChanged()));
}

void BlfCallAlertHandler::preferencesChanged()
{
    emit blfSettingsChanged();
    namespace Key = Constants::SettingsKey;
    const Kivo::Settings settings(Kivo::Settings::UserSettings);
    m_PlayAlertEnabled = settings.value(Key::PlayTeamTelephonyAlert, true).toBool()
                         && (settings.value(Key::ShowTeamTelephonyWindow, true).toBool()
                             || settings.value(Key::OpenTeamTelephonyWindowWhenLineRings, true).toBool());
    LOG_INFO << "Play alert enabled: " << yesNo(m_PlayAlertEnabled);
}

void BlfCallAlertHandler::onBlfStateChanged()
{
    const auto* contact = qobject_cast<const Kivo::Contacts::IContact*>(sender());
    if (!contact)
        return;
    LOG_INFO << "id: " << contact->getId() << ", state: " << int(contact->getBlfState());
    m_States.insert(contact->getId(), contact->getBlfState());
    // Any line may still ring when this one stops: the ring follows all of them.
    checkPlayingAlert(contact->getId());
    emitAlert();
}

bool BlfCallAlertHandler::anyLineRinging() const
{
    for (const int state : m_States) {
        if (state == RingingState)
            return true;
    }
    return false;
}

void BlfCallAlertHandler::emitAlert()
{
    emit blfAlert(anyLineRinging());
}

void BlfCallAlertHandler::logBlfContactStates() const
{
    for (auto it = m_States.constBegin(); it != m_States.constEnd(); ++it)
        LOG_INFO << "id: " << it.key() << ", state: " << it.value();
}

bool BlfCallAlertHandler::isAlertPlaying() const
{
    return m_Player && !m_Player->isFinished();
}

void BlfCallAlertHandler::checkPlayingAlert(int contactId)
{
    logBlfContactStates();
    LOG_INFO << "Contact id: " << contactId << ", play alert enabled: " << yesNo(m_PlayAlertEnabled)
             << ", call ringer playing: " << yesNo(m_CallRingerPlaying);
    const bool play = m_PlayAlertEnabled && !m_CallRingerPlaying && anyLineRinging();
    if (!play) {
        LOG_INFO << "Calling stopPlayingAlert()";
        stopPlayingAlert();
        return;
    }
    if (m_Player && m_Player->isFinished()) {
        LOG_INFO << "Calling play()";
        m_Player->play();
    }
}

void BlfCallAlertHandler::stopPlayingAlert()
{
    if (!m_Player)
        return;
    LOG_INFO << "Stopping to play alert";
    m_Player->stop();
}

void BlfCallAlertHandler::incomingCallRingerPlaying()
{
    m_CallRingerPlaying = true;
    stopPlayingAlert();
}

void BlfCallAlertHandler::incomingCallRingerStopped()
{
    m_CallRingerPlaying = false;
    checkPlayingAlert(-1);
}

} // namespace Utils
