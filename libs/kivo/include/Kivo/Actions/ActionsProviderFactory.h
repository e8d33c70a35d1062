#pragma once

#include <Kivo/Actions/Enabler.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QObject>
#include <QPointer>

namespace Kivo {
namespace Sessions {
class SessionManagerBase;
}
namespace Actions {

class Provider;

// Reports when the user has more conversations open than the service allows.
class CommsSessionWatcherEnabler : public Enabler
{
    Q_OBJECT

public:
    using Enabler::Enabler;

signals:
    void commsSessionsLimitExceeded();
};

// Makes the session's action providers and decides which engine actions the session
// supports.
class ActionsProviderFactory : public QObject
{
    Q_OBJECT

public:
    ActionsProviderFactory(Sessions::SessionManagerBase* session, Utils::SharedPointer<Contacts::Contacts> contacts,
                           QObject* parent);
    ~ActionsProviderFactory() override;

    // A new provider owned by `parent`; `global` marks one that serves the whole
    // application rather than a selection.
    virtual Provider* createActionsProvider(QObject* parent, bool global);
    CommsSessionWatcherEnabler* getCommsSessionWatcherEnabler() const { return m_CommsSessionWatcher; }
    WebcollabEnabler* getWebcollabEnabler() const { return m_WebcollabEnabler; }
    CallServicesEnabler* getCallServicesEnabler() const { return m_CallServicesEnabler; }
    // Whether the session can carry out the engine action at all.
    virtual bool isActionAvailable(int id) const;
    // Whether activating the action must be confirmed by the user first.
    virtual bool isConfirmationRequired(int id) const;
    Sessions::SessionManagerBase* session() const;

private:
    bool configItem(int number) const;

    QPointer<Sessions::SessionManagerBase> m_Session;
    Utils::SharedPointer<Contacts::Contacts> m_EngineContacts;
    CommsSessionWatcherEnabler* m_CommsSessionWatcher;
    WebcollabEnabler* m_WebcollabEnabler;
    CallServicesEnabler* m_CallServicesEnabler;
};

} // namespace Actions
} // namespace Kivo
