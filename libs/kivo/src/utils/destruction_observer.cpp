#include <Kivo/Utils/DestructionObserver.h>

namespace Kivo {
namespace Utils {

DestructionObserver::DestructionObserver() = default;

DestructionObserver::DestructionObserver(const QObject* observed)
{
    attach(observed);
}

DestructionObserver::DestructionObserver(const DestructionObserver& other)
    : QObject()
{
    attach(other.m_Observed);
}

DestructionObserver::~DestructionObserver()
{
    detach(m_Observed);
}

void DestructionObserver::attach(const QObject* observed)
{
    if (observed == m_Observed)
        return;
    detach(m_Observed);
    if (!observed)
        return;
    m_Observed = observed;
    // `this` as context: the connection goes away with the observer.
    m_Connection = connect(observed, &QObject::destroyed, this, &DestructionObserver::onObservedDestroyed,
                           Qt::DirectConnection);
}

void DestructionObserver::detach(const QObject* observed)
{
    if (!observed || observed != m_Observed)
        return;
    disconnect(m_Connection);
    m_Connection = QMetaObject::Connection();
    m_Observed = nullptr;
}

void DestructionObserver::objectDestroyed()
{
}

void DestructionObserver::onObservedDestroyed()
{
    m_Connection = QMetaObject::Connection();
    m_Observed = nullptr;
    objectDestroyed();
}

} // namespace Utils
} // namespace Kivo
