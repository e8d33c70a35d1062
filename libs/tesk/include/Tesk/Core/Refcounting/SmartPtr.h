#pragma once

#include <Tesk/Core/RefCountable.h>

#include <QString>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace Tesk {
namespace Core {
namespace Refcounting {

// Owning intrusive reference to a RefCountable; the last reference deletes the target
// when its auto-delete flag is set. Counter anomalies are logged, never fatal.
template<typename T>
class SmartPtr
{
public:
    SmartPtr(T* target = nullptr) : m_T(target)
    {
        if (m_T) {
            check("SmartPtr", " calling Reference() for ");
            counted(m_T)->Reference();
        }
    }

    SmartPtr(const SmartPtr& other) : SmartPtr(other.m_T) {}

    virtual ~SmartPtr()
    {
        if (!m_T)
            return;
        if (release(m_T, "~SmartPtr")) {
            T* target = m_T;
            m_T = nullptr;
            delete target;
        }
    }

    SmartPtr& operator=(T* target)
    {
        if (m_T && counted(m_T)->ReferenceCount() >= RefCountable::REFCOUNT_MAX)
            RefCountable::failedAssertion(qPrintable(functionName("operator =")),
                                          "!m_T || m_T->ReferenceCount() < REFCOUNT_MAX", "Refcount error!");
        if (target == m_T)
            return *this;
        // The new target is referenced before the old one is released: it may be kept
        // alive only by the old one (holder = holder->next).
        T* const previous = m_T;
        m_T = target;
        if (m_T) {
            check("operator =", " calling Reference() for ");
            counted(m_T)->Reference();
        }
        if (previous && release(previous, "operator ="))
            delete previous;
        return *this;
    }

    SmartPtr& operator=(const SmartPtr& other) { return *this = other.m_T; }

    T* operator->() const
    {
        if (m_T && counted(m_T)->ReferenceCount() >= RefCountable::REFCOUNT_MAX)
            RefCountable::failedAssertion(qPrintable(functionName("operator ->")),
                                          "!m_T || m_T->ReferenceCount() < REFCOUNT_MAX", "Refcount error!");
        if (!m_T)
            RefCountable::failedAssertion(qPrintable(functionName("operator ->")), "m_T", "NULL pointer dereference");
        return m_T;
    }

    T* get() const { return m_T; }
    bool isNull() const { return !m_T; }
    explicit operator bool() const { return m_T != nullptr; }

    bool operator==(const SmartPtr& other) const { return m_T == other.m_T; }
    bool operator!=(const SmartPtr& other) const { return m_T != other.m_T; }
    bool operator==(const T* other) const { return m_T == other; }
    bool operator!=(const T* other) const { return m_T != other; }

private:
    // The RefCountable part need not be T's first base.
    static RefCountable* counted(T* target) { return static_cast<RefCountable*>(target); }

    static QString functionName(const char* member)
    {
        int status = 0;
        std::unique_ptr<char, void (*)(void*)> name(
            abi::__cxa_demangle(typeid(T).name(), nullptr, nullptr, &status), std::free);
        const QString type = (status == 0 && name) ? QString::fromLatin1(name.get())
                                                   : QString::fromLatin1(typeid(T).name());
        return QStringLiteral("Tesk::Core::Refcounting::SmartPtr<class ") + type + QStringLiteral(">::")
            + QString::fromLatin1(member);
    }

    // Returns true when the caller must delete the target.
    bool release(T* target, const char* member) const
    {
        check(target, member, " calling Unreference() for ");
        return counted(target)->Unreference();
    }

    void check(const char* member, const char* operation) const { check(m_T, member, operation); }

    void check(T* held, const char* member, const char* operation) const
    {
        const RefCountable* target = counted(held);
        if (!target->isDestroyed() && target->ReferenceCount() != 0
            && target->ReferenceCount() <= RefCountable::REFCOUNT_MAX)
            return;
        Logging::ApacheLogger(RefCountable::SourcePath, __LINE__, qPrintable(functionName(member)),
                              Logging::LevelTrace, "AppLogger")
            << "SmartPtr " << static_cast<const void*>(this) << operation << static_cast<const void*>(held);
    }

    T* m_T;
};

} // namespace Refcounting
} // namespace Core
} // namespace Tesk
