#pragma once

#include <cstdint>
#include <string>

namespace HidPlatform {

// The HID interface class as it appears in every interface path.
extern const char* const HidInterfaceClass;

// What an interface path encodes: which device, which of its interfaces and which of its
// top-level collections. Interfaces of one physical device share the instance, so the
// handler can tell them from the interfaces of a second device of the same kind.
struct InterfaceIdentity {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    int interfaceNumber = -1; // none for devices that are not composite USB devices
    uint32_t instance = 0;
    int collection = 0; // 0-based top-level collection of the interface
    int collectionCount = 1;
};

// \\?\hid#vid_095d&pid_9201&mi_03&col01#7&1a2b3c4d&0&0000#{4d1e55b2-...}
std::string makeInterfacePath(const InterfaceIdentity& identity);

uint32_t physicalInstance(const std::string& physicalId);

} // namespace HidPlatform
