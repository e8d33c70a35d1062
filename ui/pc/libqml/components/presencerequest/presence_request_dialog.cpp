#include "libqml/components/presencerequest/presence_request_dialog.h"

#include "common/assertions.h"
#include "common/connect_check.h"
#include "common/logging.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/ContactSynchronizer.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Models/Roles.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QCloseEvent>
#include <QEvent>

#include <algorithm>

namespace QML {

namespace {

using Kivo::Contacts::ContactSynchronizer;
using Kivo::Contacts::IContact;

constexpr int MinimumWidth = 450;
constexpr int MinimumHeight = 80;

} // namespace

PresenceRequestDialog::PresenceRequestDialog(Kivo::Sessions::SessionManagerBase* session,
                                             Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                             bool alwaysOnTop)
    : Window(alwaysOnTop, nullptr)
    , m_Session(session)
    , m_Contacts(contacts)
{
    setTitle(tr("Presence Request"));
    if (m_Contacts)
        m_Model = m_Contacts->getModel(Kivo::Contacts::Contacts::PresenceRequests);
    if (m_Model) {
        CHECKED_CONNECT(m_Model, SIGNAL(rowsInserted(QModelIndex, int, int)), this,
                        SLOT(searchContacts(QModelIndex, int, int)));
        CHECKED_CONNECT(m_Model, SIGNAL(rowsInserted(QModelIndex, int, int)), this, SLOT(modelDataChanged()));
        CHECKED_CONNECT(m_Model, SIGNAL(rowsRemoved(QModelIndex, int, int)), this, SLOT(modelDataChanged()));
        CHECKED_CONNECT(m_Model, SIGNAL(dataChanged(QModelIndex, QModelIndex)), this, SLOT(onDataChanged()));
    }
    if (!loadQML(QLatin1String(Scene)))
        LOG_ERROR << "Loading " << Scene << " failed";
    // Requests that waited on the service while the user was away show at once.
    if (m_Model && m_Model->rowCount() > 0) {
        searchContacts(QModelIndex(), 0, m_Model->rowCount() - 1);
        QMetaObject::invokeMethod(this, "modelDataChanged", Qt::QueuedConnection);
    }
}

void PresenceRequestDialog::setItemHeight(int height)
{
    if (height == m_ItemHeight)
        return;
    m_ItemHeight = height;
    emit itemHeightChanged();
}

void PresenceRequestDialog::setHeightExtraSpacing(int spacing)
{
    if (spacing == m_HeightExtraSpacing)
        return;
    m_HeightExtraSpacing = spacing;
    emit heightExtraSpacingChanged();
}

QSize PresenceRequestDialog::minimumWindowSize() const
{
    return QSize(MinimumWidth, MinimumHeight);
}

void PresenceRequestDialog::fitHeight()
{
    resize(width(), m_Model->rowCount() * m_ItemHeight + m_HeightExtraSpacing);
}

void PresenceRequestDialog::modelDataChanged()
{
    if (!m_Model)
        return;
    if (m_Model->rowCount() == 0) {
        hide();
        return;
    }
    fitHeight();
    showAndActivate();
}

void PresenceRequestDialog::onDataChanged()
{
    if (m_Model && m_Model->rowCount() > 0)
        fitHeight();
}

void PresenceRequestDialog::add(QObject* contact)
{
    auto* request = qobject_cast<IContact*>(contact);
    if (!request)
        return;
    request->setRequestGroup(0);
    request->acceptPresenceRequest();
}

void PresenceRequestDialog::decline(QObject* contact)
{
    if (auto* request = qobject_cast<IContact*>(contact))
        request->declinePresenceRequest();
}

void PresenceRequestDialog::searchContacts(const QModelIndex& parent, int first, int last)
{
    if (!m_Model)
        return;
    const Kivo::Configuration::Config* config = m_Session ? m_Session->getConfig() : nullptr;
    const bool imAddressOnly = config && config->value(XmppItem).toBool();
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = m_Model->index(row, 0, parent);
        if (!index.isValid())
            break;
        auto* request = qobject_cast<IContact*>(index.data(Kivo::Models::Roles::Contact).value<QObject*>());
        if (!request)
            continue;
        auto* synchronizer = new ContactSynchronizer(m_Session ? m_Session->contactSearchController() : nullptr,
                                                     imAddressOnly, false, this);
        CHECKED_CONNECT(synchronizer, SIGNAL(syncDone()), this, SLOT(contactSynchronized()));
        CHECKED_CONNECT(synchronizer, SIGNAL(syncError()), this, SLOT(contactSynchronized()));
        m_Pending.append({synchronizer, request->getId()});
        if (m_Pending.size() == 1)
            startNextSynchronization();
    }
}

IContact* PresenceRequestDialog::requestOf(int requestId) const
{
    return m_Contacts ? m_Contacts->getPresenceRequest(requestId) : nullptr;
}

void PresenceRequestDialog::startNextSynchronization()
{
    while (!m_Pending.isEmpty()) {
        const Pending& next = m_Pending.first();
        IContact* request = requestOf(next.requestId);
        if (request && next.synchronizer->syncWithDirectory(request, Kivo::Contacts::Properties::Jid))
            return;
        LOG_INFO << "Presence request " << next.requestId << " is not completed from the directory";
        next.synchronizer->deleteLater();
        m_Pending.removeFirst();
    }
}

void PresenceRequestDialog::contactSynchronized()
{
    auto* synchronizer = qobject_cast<ContactSynchronizer*>(sender());
    ASSERT_RETURN(synchronizer);
    const auto done = std::find_if(m_Pending.begin(), m_Pending.end(),
                                   [synchronizer](const Pending& pending) { return pending.synchronizer == synchronizer; });
    if (done == m_Pending.end())
        return;
    // A failed look-up holds no properties: applying them changes nothing.
    if (IContact* request = requestOf(done->requestId)) {
        const Kivo::Contacts::Properties::Map found = synchronizer->getProperties();
        Kivo::Contacts::Properties::Map changed;
        for (auto it = found.constBegin(); it != found.constEnd(); ++it) {
            if (request->getProperty(it.key()) != it.value())
                changed.insert(it.key(), it.value());
        }
        request->updateProperties(changed);
    }
    const bool wasRunning = done == m_Pending.begin();
    m_Pending.erase(done);
    synchronizer->deleteLater();
    if (wasRunning)
        startNextSynchronization();
}

void PresenceRequestDialog::closeEvent(QCloseEvent* event)
{
    hide();
    event->ignore();
}

void PresenceRequestDialog::changeEvent(QEvent* event)
{
    Window::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        setTitle(tr("Presence Request"));
}

} // namespace QML
