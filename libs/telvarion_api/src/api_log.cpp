#include "TelvarionApi/api_log.h"

#include <cstdio>
#include <mutex>

namespace TelvarionApi {

namespace {

std::mutex& sinkMutex()
{
    static std::mutex mutex;
    return mutex;
}

LogSink& sink()
{
    static LogSink instance;
    return instance;
}

} // namespace

void setLogSink(LogSink newSink)
{
    std::lock_guard<std::mutex> guard(sinkMutex());
    sink() = std::move(newSink);
}

void logLine(const std::string& line)
{
    std::lock_guard<std::mutex> guard(sinkMutex());
    if (sink())
        sink()(line);
    else
        std::fprintf(stderr, "TelvarionApi: %s\n", line.c_str());
}

} // namespace TelvarionApi
