#pragma once

#include <QObject>

namespace Kivo {
namespace Controllers {

// The user's location as the location service reports it.
class RzlLocation : public QObject
{
    Q_OBJECT

public:
    explicit RzlLocation(QObject* parent = nullptr) : QObject(parent) {}
};

} // namespace Controllers
} // namespace Kivo
