#include <Tesk/Core/Logging/RecordCapture.h>

#include <QMutexLocker>

namespace Tesk {
namespace Core {
namespace Logging {

RecordCapture::RecordCapture()
{
    addLogger(this);
}

RecordCapture::~RecordCapture()
{
    removeLogger(this);
}

void RecordCapture::write(const Record& record)
{
    QMutexLocker locker(&m_Mutex);
    m_Records.append(record);
}

QList<Record> RecordCapture::records() const
{
    QMutexLocker locker(&m_Mutex);
    return m_Records;
}

bool RecordCapture::contains(const QString& text, int level) const
{
    return count(text, level) > 0;
}

int RecordCapture::count(const QString& text, int level) const
{
    QMutexLocker locker(&m_Mutex);
    int found = 0;
    for (const Record& record : m_Records) {
        if ((level < 0 || record.level == level) && record.text.contains(text))
            ++found;
    }
    return found;
}

void RecordCapture::clear()
{
    QMutexLocker locker(&m_Mutex);
    m_Records.clear();
}

} // namespace Logging
} // namespace Core
} // namespace Tesk
