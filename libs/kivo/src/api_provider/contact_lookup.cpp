#include "contact_lookup.h"

#include <Kivo/Contacts/Properties.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace ApiProvider {
namespace ContactLookup {

namespace Properties = Contacts::Properties;

std::optional<Simulation::ContactRecord> find(int contactId)
{
    return Simulation::Service::shared().contactRecord(contactId);
}

QString text(const Simulation::ContactRecord& record, int key)
{
    return record.properties.value(key).toString();
}

QString number(const Simulation::ContactRecord& record)
{
    for (const Properties::Key key : Properties::numberKeys()) {
        const QString value = text(record, key);
        if (!value.isEmpty())
            return value;
    }
    return QString();
}

int idOf(const QString& remote)
{
    if (remote.isEmpty())
        return 0;
    for (const Simulation::ContactRecord& record : Simulation::Service::shared().contactRecords()) {
        for (const int key : {Properties::Address, Properties::Jid}) {
            if (text(record, key).compare(remote, Qt::CaseInsensitive) == 0)
                return record.id;
        }
        for (const Properties::Key key : Properties::numberKeys()) {
            if (text(record, key) == remote)
                return record.id;
        }
    }
    return 0;
}

QString callAddress(const Simulation::ContactRecord& record)
{
    const QString phone = number(record);
    return phone.isEmpty() ? text(record, Properties::Address) : phone;
}

} // namespace ContactLookup
} // namespace ApiProvider
} // namespace Kivo
