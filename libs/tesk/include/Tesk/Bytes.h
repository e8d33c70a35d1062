#pragma once

#include <QByteArray>
#include <QString>

namespace Tesk {

// A byte buffer that either owns its bytes (Copy) or views the caller's memory (Use).
// A viewed buffer must not outlive the memory it views; copying a Bytes shares the bytes.
class Bytes
{
public:
    Bytes() = default;
    explicit Bytes(const QByteArray& data);

    static Bytes fromString(const QString& text); // UTF-8

    // Replaces the contents with a copy of `length` bytes at `data`. A null `data` or a
    // negative length leaves a null buffer.
    Bytes& Copy(const unsigned char* data, int length);
    Bytes& Copy(const char* data, int length);
    // Replaces the contents with a view of `length` bytes at `data` (a negative length
    // takes the zero-terminated text at `data`).
    Bytes& Use(const char* data, int length);

    const unsigned char* Ptr() const;
    int Length() const { return m_Data.size(); }
    bool isEmpty() const { return m_Data.isEmpty(); }
    // Null: never given any bytes. A null buffer is also empty.
    bool isNull() const { return m_Data.isNull(); }

    // Byte-wise; a null buffer equals an empty one.
    bool operator==(const Bytes& other) const { return m_Data == other.m_Data; }
    bool operator!=(const Bytes& other) const { return !(*this == other); }
    // True when both hold the same bytes, ignoring the case of ASCII letters only.
    bool caseInsensitiveAsciiCompare(const Bytes& other) const;

    // The bytes as an owning QByteArray (a view is copied).
    QByteArray toByteArray() const;
    QString toQString() const; // UTF-8

private:
    QByteArray m_Data;
};

} // namespace Tesk
