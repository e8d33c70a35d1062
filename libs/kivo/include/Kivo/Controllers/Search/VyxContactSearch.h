#pragma once

#include <Kivo/Controllers/Search/ContactSearch.h>
#include <Kivo/Vyx/VyxComponent.h>
#include <Kivo/Vyx/VyxErrorInfo.h>

namespace Kivo {
namespace Controllers {
namespace Search {

// Searches the telephony directory of the server interface.
class VyxContactSearch : public ContactSearch
{
    Q_OBJECT

public:
    VyxContactSearch(Simulation::Service* service, QObject* parent);

signals:
    void errorMessage(Kivo::Vyx::VyxComponent::Error error, const Kivo::Vyx::VyxErrorInfo& info);

protected:
    VyxContactSearch(Simulation::Directory directory, Simulation::Service* service, QObject* parent);
    void reportUnavailable() override;
};

// Searches the enterprise directory; an empty text lists all of it.
class VyxContactFullSearch : public VyxContactSearch
{
    Q_OBJECT

public:
    VyxContactFullSearch(Simulation::Service* service, QObject* parent);
};

} // namespace Search
} // namespace Controllers
} // namespace Kivo
