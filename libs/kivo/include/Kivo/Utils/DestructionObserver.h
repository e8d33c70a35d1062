#pragma once

#include <QObject>

namespace Kivo {
namespace Utils {

// Watches one QObject and calls objectDestroyed() once that object dies. Copies watch
// the same object. The observer never owns what it watches.
class DestructionObserver : public QObject
{
    Q_OBJECT

public:
    DestructionObserver();
    explicit DestructionObserver(const QObject* observed);
    DestructionObserver(const DestructionObserver& other);
    ~DestructionObserver() override;

    // Watches `observed` instead of whatever was watched before; null watches nothing.
    void attach(const QObject* observed);
    // Stops watching `observed` when it is the watched object.
    void detach(const QObject* observed);

    const QObject* observed() const { return m_Observed; }

protected:
    virtual void objectDestroyed();

private:
    void onObservedDestroyed();

    const QObject* m_Observed = nullptr;
    QMetaObject::Connection m_Connection;
};

} // namespace Utils
} // namespace Kivo
