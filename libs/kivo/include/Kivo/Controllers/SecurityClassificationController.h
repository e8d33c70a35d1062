#pragma once

#include <QObject>

namespace Kivo {
namespace Controllers {

// Security classifications of the session's calls.
class SecurityClassificationController : public QObject
{
    Q_OBJECT

public:
    explicit SecurityClassificationController(QObject* parent = nullptr) : QObject(parent) {}
};

} // namespace Controllers
} // namespace Kivo
