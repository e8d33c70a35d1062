// What a second start (or anybody who can reach the socket) sends the running instance:
// frames are taken one after another without harm, and a message read writes back the
// same frame.
#include "single_instance_frame.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray pending(reinterpret_cast<const char*>(data), int(size));
    for (;;) {
        QString message;
        int frameSize = 0;
        if (SingleInstanceFrame::decode(pending, message, frameSize) != SingleInstanceFrame::Result::Message)
            break;
        if (frameSize <= 0 || frameSize > pending.size())
            std::abort();
        QString again;
        int againSize = 0;
        if (SingleInstanceFrame::decode(SingleInstanceFrame::encode(message), again, againSize)
                != SingleInstanceFrame::Result::Message
            || again != message)
            std::abort();
        pending.remove(0, frameSize);
    }
    return 0;
}
