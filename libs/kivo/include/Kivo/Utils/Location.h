#pragma once

#include <QMetaType>
#include <QString>

namespace Kivo {
namespace Utils {
namespace Location {

// A location of the user as the service reports or publishes it. The network address and
// the two numbers describe where the record came from; they do not make it a different place.
struct Info
{
    int source = 0;
    int accuracy = 0;
    QString ipAddress;
    QString timeZone;
    QString manualLocation;
    QString city;
    QString country;
    QString state;
    QString street;

    // No place at all: nothing a contact could be shown.
    bool isEmpty() const
    {
        return timeZone.isEmpty() && manualLocation.isEmpty() && city.isEmpty() && country.isEmpty() && state.isEmpty();
    }

    bool operator==(const Info& other) const
    {
        return timeZone == other.timeZone && manualLocation == other.manualLocation && city == other.city
               && country == other.country && state == other.state;
    }
    bool operator!=(const Info& other) const { return !(*this == other); }

    void clear() { *this = Info(); }
};

} // namespace Location
} // namespace Utils
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Utils::Location::Info)
