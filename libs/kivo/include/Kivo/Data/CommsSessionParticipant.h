#pragma once

#include <QObject>

namespace Kivo {
namespace Data {

// One participant of a communication session.
class CommsSessionParticipant : public QObject
{
    Q_OBJECT

public:
    explicit CommsSessionParticipant(QObject* parent = nullptr) : QObject(parent) {}
};

} // namespace Data
} // namespace Kivo
