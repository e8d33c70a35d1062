#pragma once

namespace Tesk {
namespace Core {
namespace Logging {

struct Record;

// A destination of log records besides the log files. Registered sinks receive every
// record, also while the file log is stopped; writes are serialised by the logger.
class Base
{
public:
    Base() = default;
    Base(const Base&) = delete;
    Base& operator=(const Base&) = delete;
    virtual ~Base() = default;

    virtual void write(const Record& record) = 0;
};

void addLogger(Base* logger);
// Safe to call for a logger that was never added or is already removed.
void removeLogger(Base* logger);

} // namespace Logging
} // namespace Core
} // namespace Tesk
