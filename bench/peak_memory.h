#pragma once

#include <QFile>

// A field of /proc/self/status in KiB ("VmHWM", "VmRSS"); 0 when it cannot be read.
inline long statusKib(const char* field)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// The most memory the process has held resident so far, in KiB.
inline long peakResidentKib()
{
    return statusKib("VmHWM");
}
