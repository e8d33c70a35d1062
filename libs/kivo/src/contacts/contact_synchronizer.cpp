#include <Kivo/Contacts/ContactSynchronizer.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/ContactSearchController.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Contacts {

namespace {

using Tesk::Core::Logging::LevelDebug;
using Tesk::Core::Logging::LevelInfo;

QList<Properties::Key> identifyingKeys()
{
    return {Properties::Address, Properties::Jid, Properties::Email, Properties::WorkNumber,
            Properties::Extension, Properties::MobileNumber, Properties::HomeNumber};
}

} // namespace

ContactSynchronizer::ContactSynchronizer(Controllers::ContactSearchController* search, bool imAddressOnly,
                                         bool keepExisting, QObject* parent)
    : QObject(parent)
    , m_Search(search)
    , m_ImAddressOnly(imAddressOnly)
    , m_KeepExisting(keepExisting)
{
    if (search) {
        connect(search, &Controllers::ContactSearchController::searchFinished, this,
                &ContactSynchronizer::onSearchFinished);
        connect(search, &Controllers::ContactSearchController::searchFailed, this,
                &ContactSynchronizer::onSearchFailed);
    }
}

bool ContactSynchronizer::syncWithDirectory(IContact* contact, int key)
{
    if (!contact || !m_Search || isRunning())
        return false;
    QList<Properties::Key> keys;
    if (key != Properties::None)
        keys = {static_cast<Properties::Key>(key)};
    else if (m_ImAddressOnly)
        keys = {Properties::Jid};
    else
        keys = identifyingKeys();

    Properties::Map criteria;
    for (Properties::Key each : qAsConst(keys)) {
        const QString value = contact->getProperty(each).toString().trimmed();
        if (!value.isEmpty())
            criteria.insert(each, value);
    }
    if (criteria.isEmpty()) {
        KIVO_LOG(LevelDebug) << "Directory look-up of " << contact->getIdentity() << " has nothing to go by";
        return false;
    }
    m_Contact = contact;
    m_MultipleMatches = false;
    m_Properties.clear();
    m_RequestId = m_Search->search(criteria);
    return m_RequestId != 0;
}

void ContactSynchronizer::onSearchFinished(int requestId, const QList<Properties::Map>& matches)
{
    if (requestId != m_RequestId || requestId == 0)
        return;
    m_RequestId = 0;
    if (matches.isEmpty()) {
        KIVO_LOG(LevelInfo) << "Directory look-up found no match";
        emit syncError();
        return;
    }
    m_MultipleMatches = matches.size() > 1;
    if (!m_MultipleMatches) {
        m_Properties = matches.first();
        if (m_KeepExisting && m_Contact) {
            for (auto it = m_Properties.begin(); it != m_Properties.end();) {
                if (m_Contact->getProperty(it.key()).toString().isEmpty())
                    ++it;
                else
                    it = m_Properties.erase(it);
            }
        }
    }
    emit syncDone();
}

void ContactSynchronizer::onSearchFailed(int requestId, const QString& text)
{
    if (requestId != m_RequestId || requestId == 0)
        return;
    m_RequestId = 0;
    KIVO_LOG(LevelInfo) << "Directory look-up failed: " << text;
    emit syncError();
}

} // namespace Contacts
} // namespace Kivo
