#pragma once

#include <Tesk/Core/Logging/ApacheLogger.h>

#include <cstdint>

namespace Tesk {
namespace Core {

// Intrusive reference count for toolkit objects held by Refcounting::SmartPtr.
// Not thread-safe: objects are referenced on the thread that owns them.
class RefCountable
{
public:
    static constexpr std::uint32_t REFCOUNT_MAX = 10000;

    explicit RefCountable(const char* name = "RefCountable", bool autoDelete = true)
        : m_AutoDelete(autoDelete)
        , m_Name(name ? name : "")
    {
    }
    // A copy is a new object: it starts without references.
    RefCountable(const RefCountable& other) : m_AutoDelete(other.m_AutoDelete), m_Name(other.m_Name) {}
    RefCountable& operator=(const RefCountable&) { return *this; }
    virtual ~RefCountable() { m_Destroyed = true; }

    void Reference()
    {
        if (m_Destroyed || m_RefCount >= REFCOUNT_MAX) {
            Logging::ApacheLogger(SourcePath, __LINE__, "Tesk::Core::RefCountable::Reference", Logging::LevelTrace,
                                  "AppLogger")
                << static_cast<const void*>(this) << " Refcount upping to "
                << static_cast<unsigned long long>(m_RefCount) + 1 << " for " << m_Name;
            Logging::do_backtrace();
        }
        ++m_RefCount;
        if (m_RefCount == 0)
            failedAssertion("Tesk::Core::RefCountable::Reference", "m_RefCount > 0", "Refcount error!");
    }

    // Returns true when the caller must delete the object.
    bool Unreference()
    {
        if (m_Destroyed || m_RefCount == 0 || m_RefCount >= REFCOUNT_MAX) {
            Logging::ApacheLogger(SourcePath, __LINE__, "Tesk::Core::RefCountable::Unreference",
                                  Logging::LevelTrace, "AppLogger")
                << static_cast<const void*>(this) << " Refcount lowering to "
                << static_cast<long long>(m_RefCount) - 1 << " for " << m_Name;
            Logging::do_backtrace();
        }
        if (m_RefCount == 0) {
            // Lowering further would wrap the count and keep the object alive forever.
            failedAssertion("Tesk::Core::RefCountable::Unreference", "m_RefCount > 0", "Refcount error!");
            return false;
        }
        if (m_RefCount >= REFCOUNT_MAX)
            failedAssertion("Tesk::Core::RefCountable::Unreference", "m_RefCount < REFCOUNT_MAX", "Refcount error!");
        --m_RefCount;
        return m_RefCount == 0 && m_AutoDelete;
    }

    std::uint32_t ReferenceCount() const { return m_RefCount; }
    bool isAutoDelete() const { return m_AutoDelete; }
    void setAutoDelete(bool autoDelete) { m_AutoDelete = autoDelete; }
    bool isDestroyed() const { return m_Destroyed; }
    const char* name() const { return m_Name; }

    static constexpr const char* SourcePath = "tesk/core/refcount";

    static void failedAssertion(const char* function, const char* condition, const char* message)
    {
        Logging::ApacheLogger(SourcePath, 0, function, Logging::LevelError, "AppLogger")
            << "Assertion '" << condition << "' failed: " << message;
        Logging::do_backtrace();
    }

private:
    std::uint32_t m_RefCount = 0;
    bool m_AutoDelete;
    bool m_Destroyed = false;
    const char* m_Name;
};

namespace Refcounting {
using RefCountable = Core::RefCountable;
} // namespace Refcounting

} // namespace Core
} // namespace Tesk
