#pragma once

#include <Tesk/Core/Logging/Base.h>
#include <Tesk/Core/Logging/Record.h>

#include <QList>
#include <QMutex>

namespace Tesk {
namespace Core {
namespace Logging {

// Keeps every record written while it lives; meant for tests. Several may coexist.
class RecordCapture : public Base
{
public:
    RecordCapture();
    ~RecordCapture() override;

    void write(const Record& record) override;

    QList<Record> records() const;
    // True when a record's text contains `text` (and, when level >= 0, has that level).
    bool contains(const QString& text, int level = -1) const;
    int count(const QString& text, int level = -1) const;
    void clear();

private:
    mutable QMutex m_Mutex;
    QList<Record> m_Records;
};

} // namespace Logging
} // namespace Core
} // namespace Tesk
