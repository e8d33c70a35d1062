#pragma once

#include <QObject>

namespace Kivo {
namespace Data {
namespace Message {

// One chat message as the conversation views see it.
class Interface : public QObject
{
    Q_OBJECT

public:
    explicit Interface(QObject* parent = nullptr) : QObject(parent) {}
};

} // namespace Message
} // namespace Data
} // namespace Kivo
