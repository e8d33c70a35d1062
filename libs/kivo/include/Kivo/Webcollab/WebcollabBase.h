#pragma once

#include <QObject>

namespace Kivo {
namespace Webcollab {

// A web collaboration (share) of a session.
class WebcollabBase : public QObject
{
    Q_OBJECT

public:
    explicit WebcollabBase(QObject* parent = nullptr) : QObject(parent) {}
};

} // namespace Webcollab
} // namespace Kivo
