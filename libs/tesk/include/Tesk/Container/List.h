#pragma once

#include <vector>

namespace Tesk {
namespace Container {

// Ordered list of values, walked with const iterators.
template<typename T>
class List
{
public:
    using const_iterator = typename std::vector<T>::const_iterator;
    using iterator = typename std::vector<T>::iterator;

    const_iterator begin() const { return m_Items.begin(); }
    const_iterator end() const { return m_Items.end(); }
    const_iterator constBegin() const { return m_Items.cbegin(); }
    const_iterator constEnd() const { return m_Items.cend(); }
    iterator begin() { return m_Items.begin(); }
    iterator end() { return m_Items.end(); }

    int Count() const { return int(m_Items.size()); }
    int size() const { return Count(); }
    bool isEmpty() const { return m_Items.empty(); }
    const T& at(int index) const { return m_Items.at(std::size_t(index)); }
    const T& operator[](int index) const { return at(index); }
    T& operator[](int index) { return m_Items.at(std::size_t(index)); }
    T& last() { return m_Items.back(); }

    void append(const T& item) { m_Items.push_back(item); }
    void append(T&& item) { m_Items.push_back(std::move(item)); }
    void clear() { m_Items.clear(); }

    bool operator==(const List& other) const { return m_Items == other.m_Items; }

private:
    std::vector<T> m_Items;
};

} // namespace Container
} // namespace Tesk
