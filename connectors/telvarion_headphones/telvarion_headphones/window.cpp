#include "window.h"

#include "logger.h"
#include "system_events.h"

namespace Connector {

Window::Window(std::unique_ptr<Platform::ResumeDetector> detector) : m_Detector(std::move(detector))
{
}

Window& Window::instance()
{
    static Window window;
    return window;
}

void Window::setObserver(SystemEvents* observer)
{
    m_Observer = observer;
}

void Window::postMessage(std::uint32_t message, std::uintptr_t wParam)
{
    m_Queue.push_back(Message{message, wParam});
}

void Window::processMessages()
{
    if (m_Detector && m_Detector->poll())
        postMessage(PowerBroadcast, PowerResumeSuspend);
    while (!m_Queue.empty()) {
        const Message message = m_Queue.front();
        m_Queue.pop_front();
        dispatch(message);
    }
}

void Window::dispatch(const Message& message)
{
    if (message.message != PowerBroadcast)
        return;
    Logger::instance().information(CategoryWindow, "Connector::Window::PowerBroadcast, WM_POWERBROADCAST. wParam=0x%04x",
                                   static_cast<unsigned>(message.wParam));
    if (message.wParam == PowerResumeSuspend && m_Observer)
        m_Observer->OnSystemResume();
}

} // namespace Connector
