#include "HidPlatform/hid_types.h"

namespace HidPlatform {

const char* errorText(uint32_t error)
{
    switch (error) {
    case Error::None: return "The operation completed successfully.";
    case Error::FileNotFound: return "The system cannot find the file specified.";
    case Error::AccessDenied: return "Access is denied.";
    case Error::InvalidHandle: return "The handle is invalid.";
    case Error::GenFailure: return "A device attached to the system is not functioning.";
    case Error::InvalidParameter: return "The parameter is incorrect.";
    case Error::InsufficientBuffer: return "The data area passed to a system call is too small.";
    case Error::NoMoreItems: return "No more data is available.";
    case Error::IoIncomplete: return "Overlapped I/O event is not in a signaled state.";
    case Error::IoPending: return "Overlapped I/O operation is in progress.";
    case Error::DeviceNotConnected: return "The device is not connected.";
    default: return "Unknown error.";
    }
}

} // namespace HidPlatform
