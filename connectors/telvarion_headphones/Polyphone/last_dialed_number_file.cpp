#include "Polyphone/last_dialed_number_file.h"

#include "Platform/system_error.h"
#include "telvarion_headphones/logger.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace Connector {

namespace {

constexpr const char* StoreName = "Polyphone, Connector::Polyphone::StoreLastDialedNumber";
constexpr const char* GetName = "Polyphone, Connector::Polyphone::GetLastDialedNumber";

void logSystemError(const char* format, int code)
{
    Logger::instance().error(CategoryPhone, format, code, Platform::systemErrorText(code).c_str());
}

bool isDialable(Platform::WChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'*' || c == u'#' || c == u'A' || c == u'+';
}

} // namespace

LastDialedNumberFile::LastDialedNumberFile(std::string path)
    : m_Path(std::move(path))
{
}

bool LastDialedNumberFile::store(const Platform::WChar* digits)
{
    CONNECTOR_TRACE(CategoryPhone, StoreName);
    Logger& log = Logger::instance();
    // Emptied only once the lock is ours: a reader holding the file keeps its number.
    const int file = ::open(m_Path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (file < 0 || ::flock(file, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(file, 0) != 0) {
        const int error = errno;
        if (file >= 0)
            ::close(file);
        logSystemError("Polyphone, Connector::Polyphone::StoreLastDialedNumber, Failed to open file lastdial.txt for writing "
                       "in storing last dialed number. Error %d (%s)",
                       error);
        return false;
    }

    std::uint8_t bytes[2 * MaxDigits];
    std::size_t count = 0;
    for (const Platform::WChar* c = digits; c != nullptr && *c != 0 && count < sizeof bytes; ++c) {
        bytes[count++] = static_cast<std::uint8_t>(*c & 0xFF);
        bytes[count++] = static_cast<std::uint8_t>(*c >> 8);
    }
    bool ok = true;
    if (::write(file, bytes, count) != static_cast<ssize_t>(count)) {
        const int error = errno;
        log.error(CategoryPhone,
                  "Polyphone, Connector::Polyphone::StoreLastDialedNumber, Failed to write the last dialed number %ws in file "
                  "lastdial.txt. Error %d (%s)",
                  digits, error, Platform::systemErrorText(error).c_str());
        ok = false;
    }
    if (::close(file) != 0) {
        logSystemError("Polyphone, Connector::Polyphone::StoreLastDialedNumber, Failed to close the file handle of "
                       "lastdial.txt. Error %d (%s)",
                       errno);
        ok = false;
    }
    if (ok)
        log.information(CategoryPhone,
                        "Polyphone, Connector::Polyphone::StoreLastDialedNumber, Successfully wrote last dialed number %ws in "
                        "file lastdial.txt",
                        digits);
    return ok;
}

const Platform::WChar* LastDialedNumberFile::load()
{
    CONNECTOR_TRACE(CategoryPhone, GetName);
    const int file = ::open(m_Path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0 || ::flock(file, LOCK_SH | LOCK_NB) != 0) {
        const int error = errno;
        if (file >= 0)
            ::close(file);
        logSystemError("Polyphone, Connector::Polyphone::GetLastDialedNumber, Failed to open file lastdial.txt for reading "
                       "the last dialed number. Error %d (%s)",
                       error);
        return nullptr;
    }
    std::uint8_t bytes[2 * MaxDigits];
    const ssize_t read = ::read(file, bytes, sizeof bytes);
    const int readError = errno;
    if (::close(file) != 0)
        logSystemError("Polyphone, Connector::Polyphone::GetLastDialedNumber, Failed to close the file handle of "
                       "lastdial.txt. Error %d (%s)",
                       errno);
    if (read < 0) {
        logSystemError("Polyphone, Connector::Polyphone::GetLastDialedNumber, Failed to read the last dialed number from "
                       "file lastdial.txt. Error %d (%s)",
                       readError);
        return nullptr;
    }

    const std::size_t units = static_cast<std::size_t>(read) / 2;
    for (std::size_t i = 0; i < units; ++i)
        m_Number[i] = static_cast<Platform::WChar>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    m_Number[units] = 0;
    if (units == 0)
        return nullptr;
    for (std::size_t i = 0; i < units; ++i) {
        // Whatever else the file holds must never reach the client as a number to dial.
        if (!isDialable(m_Number[i])) {
            Logger::instance().error(CategoryPhone, "%s, lastdial.txt does not hold a dialable number, ignoring it", GetName);
            m_Number[0] = 0;
            return nullptr;
        }
    }
    Logger::instance().information(CategoryPhone,
                                   "Polyphone, Connector::Polyphone::GetLastDialedNumber, Successfully read last dialed "
                                   "number %ws from file lastdial.txt",
                                   m_Number);
    return m_Number;
}

} // namespace Connector
