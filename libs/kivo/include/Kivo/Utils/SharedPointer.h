#pragma once

#include <Kivo/Utils/DestructionObserver.h>

#include <type_traits>

namespace Kivo {
namespace Utils {

namespace Detail {

template <typename T>
const QObject* asQObject(const T* target)
{
    if constexpr (std::is_base_of_v<QObject, std::remove_cv_t<T>>)
        return target;
    else
        return dynamic_cast<const QObject*>(target);
}

} // namespace Detail

namespace Const {

// Non-owning pointer to an engine object that turns null when the object is destroyed;
// copies made before the destruction turn null too. A target that is not a QObject
// cannot be guarded and is held as null.
template <typename T>
class SharedPointer : public DestructionObserver
{
    static_assert(std::is_base_of_v<QObject, std::remove_cv_t<T>> || std::is_polymorphic_v<T>,
                  "SharedPointer needs a QObject target");

public:
    SharedPointer() = default;

    SharedPointer(const T* target)
        : DestructionObserver(Detail::asQObject(target))
        , m_Pointer(observed() ? target : nullptr)
    {
    }

    SharedPointer(const SharedPointer& other)
        : DestructionObserver(other)
        , m_Pointer(other.m_Pointer)
    {
    }

    SharedPointer& operator=(const SharedPointer& other)
    {
        if (other.m_Pointer == m_Pointer)
            return *this;
        attach(other.observed());
        m_Pointer = other.m_Pointer;
        return *this;
    }

    SharedPointer& operator=(const T* target)
    {
        if (target == m_Pointer)
            return *this;
        attach(Detail::asQObject(target));
        m_Pointer = observed() ? target : nullptr;
        return *this;
    }

    const T* data() const { return m_Pointer; }
    const T* operator->() const { return m_Pointer; }
    const T& operator*() const { return *m_Pointer; }
    bool isNull() const { return !m_Pointer; }
    explicit operator bool() const { return m_Pointer != nullptr; }

    bool operator==(const SharedPointer& other) const { return m_Pointer == other.m_Pointer; }
    bool operator!=(const SharedPointer& other) const { return m_Pointer != other.m_Pointer; }
    bool operator==(const T* other) const { return m_Pointer == other; }
    bool operator!=(const T* other) const { return m_Pointer != other; }

protected:
    void objectDestroyed() override { m_Pointer = nullptr; }

private:
    const T* m_Pointer = nullptr;
};

} // namespace Const

// The same guarded pointer with non-const access to its target.
template <typename T>
class SharedPointer : public Const::SharedPointer<T>
{
    using Base = Const::SharedPointer<T>;

public:
    SharedPointer() = default;
    SharedPointer(T* target)
        : Base(target)
    {
    }
    SharedPointer(const SharedPointer& other) = default;

    SharedPointer& operator=(const SharedPointer& other)
    {
        Base::operator=(other);
        return *this;
    }

    SharedPointer& operator=(T* target)
    {
        Base::operator=(target);
        return *this;
    }

    T* data() const { return const_cast<T*>(Base::data()); }
    T* operator->() const { return data(); }
    T& operator*() const { return *data(); }
};

} // namespace Utils
} // namespace Kivo
