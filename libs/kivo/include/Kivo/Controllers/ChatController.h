#pragma once

#include <QObject>

namespace Kivo {
namespace Databases {
class Comms;
}
namespace Controllers {

// Chat over one protocol; it keeps its history in the communications database when given.
class ChatController : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void setCommsDb(Databases::Comms* database) { m_Database = database; }
    Databases::Comms* commsDb() const { return m_Database; }

private:
    Databases::Comms* m_Database = nullptr;
};

} // namespace Controllers
} // namespace Kivo
