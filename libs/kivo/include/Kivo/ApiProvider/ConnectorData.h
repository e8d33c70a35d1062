#pragma once

#include <QObject>

namespace Kivo {
namespace ApiProvider {

// One add-in connector offered by the client API.
class ConnectorData : public QObject
{
    Q_OBJECT

public:
    explicit ConnectorData(QObject* parent = nullptr) : QObject(parent) {}
};

} // namespace ApiProvider
} // namespace Kivo
