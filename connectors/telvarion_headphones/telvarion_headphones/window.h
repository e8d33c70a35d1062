#pragma once

#include "Platform/resume_detector.h"

#include <cstdint>
#include <deque>
#include <memory>

namespace Connector {

class SystemEvents;

// The plug-in's system message queue. Messages are posted by the platform (a resume from
// sleep arrives as a power broadcast) and drained without waiting from the main loop.
class Window
{
public:
    static constexpr std::uint32_t PowerBroadcast = 0x218;
    static constexpr std::uintptr_t PowerResumeSuspend = 7;

    explicit Window(std::unique_ptr<Platform::ResumeDetector> detector = std::make_unique<Platform::ResumeDetector>());

    static Window& instance();

    void setObserver(SystemEvents* observer);
    SystemEvents* observer() const { return m_Observer; }

    void postMessage(std::uint32_t message, std::uintptr_t wParam);
    // Handles every pending message and returns.
    void processMessages();

private:
    struct Message
    {
        std::uint32_t message;
        std::uintptr_t wParam;
    };

    void dispatch(const Message& message);

    std::unique_ptr<Platform::ResumeDetector> m_Detector;
    std::deque<Message> m_Queue;
    SystemEvents* m_Observer = nullptr;
};

} // namespace Connector
