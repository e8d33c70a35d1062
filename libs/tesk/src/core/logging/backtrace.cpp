#include <Tesk/Core/Logging/ApacheLogger.h>

#include <cxxabi.h>
#include <execinfo.h>

#include <cstdlib>
#include <memory>

namespace Tesk {
namespace Core {
namespace Logging {

namespace {
constexpr int MaxFrames = 64;

// "binary(mangled+0x1f) [0x...]" -> the frame with the function name demangled.
QString demangledFrame(const char* symbol)
{
    QString frame = QString::fromLocal8Bit(symbol);
    const int open = frame.indexOf(QLatin1Char('('));
    const int plus = frame.indexOf(QLatin1Char('+'), open);
    if (open < 0 || plus <= open + 1)
        return frame;
    const QByteArray mangled = frame.mid(open + 1, plus - open - 1).toLatin1();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(mangled.constData(), nullptr, nullptr, &status), std::free);
    if (status != 0 || !name)
        return frame;
    return frame.left(open + 1) + QString::fromLatin1(name.get()) + frame.mid(plus);
}
} // namespace

void do_backtrace()
{
    void* frames[MaxFrames];
    const int depth = backtrace(frames, MaxFrames);
    std::unique_ptr<char*, void (*)(void*)> symbols(backtrace_symbols(frames, depth), std::free);

    ApacheLogger logger("tesk/core/logging", __LINE__, "Tesk::Core::Logging::do_backtrace", LevelTrace,
                        "AppLogger");
    logger << "Backtrace:";
    // Frame 0 is this function.
    for (int index = 1; index < depth; ++index) {
        logger << "\n  #" << index - 1 << ' '
               << (symbols ? demangledFrame(symbols.get()[index]) : QStringLiteral("0x")
                                + QString::number(quintptr(frames[index]), 16));
    }
}

} // namespace Logging
} // namespace Core
} // namespace Tesk
