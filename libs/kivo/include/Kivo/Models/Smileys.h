#pragma once

#include <Tesk/Core/RefCountable.h>

class QObject;

namespace Kivo {
namespace Models {

// The emoticon table of one session, shared by reference count.
class SmileysPtr : public Tesk::Core::RefCountable
{
public:
    explicit SmileysPtr(QObject* owner);

    const QObject* owner() const { return m_Owner; }

private:
    QObject* m_Owner;
};

} // namespace Models
} // namespace Kivo
