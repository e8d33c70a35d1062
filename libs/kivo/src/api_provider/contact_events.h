#pragma once

#include <QObject>

namespace Kivo {
namespace ApiProvider {

class AddinServer;

// Passes the session's presence news to the add-ins that asked for contact events.
class ContactEvents : public QObject
{
    Q_OBJECT

public:
    ContactEvents(AddinServer* server, QObject* parent = nullptr);

    void start();
    void stop();

private:
    void onPresenceChanged(int contactId);

    AddinServer* m_Server;
    bool m_Started = false;
};

} // namespace ApiProvider
} // namespace Kivo
