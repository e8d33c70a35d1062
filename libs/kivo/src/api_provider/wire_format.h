#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace Kivo {
namespace ApiProvider {

// The add-ins' link carries one message per line: a lower-case kind and its fields,
// separated by single blanks. A number is decimal; a text is ':' followed by its UTF-8
// bytes, every blank, control byte and '%' written as %XX.
namespace Wire {
constexpr int ProtocolVersion = 1;
// Longer lines are not an add-in's and are dropped whole.
constexpr int MaxLineBytes = 64 * 1024;
// More list entries than this in one message are refused.
constexpr int MaxListEntries = 256;
} // namespace Wire

class WireWriter
{
public:
    explicit WireWriter(const char* kind);

    WireWriter& number(qint64 value);
    WireWriter& text(const QString& value);
    QByteArray line() const;

private:
    QByteArray m_Line;
};

// Reads the fields of one line in order; the first fault sticks and names the field.
class WireReader
{
public:
    explicit WireReader(const QByteArray& line);

    QByteArray kind() const { return m_Fields.value(0); }
    qint64 number(qint64 minimum, qint64 maximum, const char* what);
    int int32(const char* what);
    QString text(const char* what);
    int count(const char* what);
    // True when every field was read and valid; else `error` names the first fault.
    bool finish(QString* error);

private:
    const QByteArray* take(const char* what);
    void fail(const QString& error);

    QList<QByteArray> m_Fields;
    int m_Next = 1;
    QString m_Error;
};

// Splits a byte stream into lines, dropping any line that grows past the limit. Lines are
// taken from where the last one ended: the bytes after it move only once per append.
class LineSplitter
{
public:
    void append(const QByteArray& bytes);
    bool next(QByteArray* line);
    // True when next() has a whole line to give.
    bool hasLine() const;
    int droppedLines() const { return m_Dropped; }

private:
    QByteArray m_Pending;
    int m_Start = 0; // where the next line begins in m_Pending
    bool m_Skipping = false;
    int m_Dropped = 0;
};

} // namespace ApiProvider
} // namespace Kivo
