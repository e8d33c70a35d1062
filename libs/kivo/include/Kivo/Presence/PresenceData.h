#pragma once

#include <QObject>

namespace Kivo {
namespace Presence {

// Presence of one contact or of the user.
class PresenceData : public QObject
{
    Q_OBJECT

public:
    explicit PresenceData(QObject* parent = nullptr) : QObject(parent) {}
};

} // namespace Presence
} // namespace Kivo
