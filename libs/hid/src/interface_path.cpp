#include "HidPlatform/interface_path.h"

#include <cstdio>

namespace HidPlatform {

const char* const HidInterfaceClass = "4d1e55b2-f16f-11cf-88cb-001111000030";

std::string makeInterfacePath(const InterfaceIdentity& identity)
{
    char buffer[160];
    std::string path = "\\\\?\\hid#";
    std::snprintf(buffer, sizeof buffer, "vid_%04x&pid_%04x", identity.vendorId, identity.productId);
    path += buffer;
    if (identity.interfaceNumber >= 0) {
        std::snprintf(buffer, sizeof buffer, "&mi_%02x", identity.interfaceNumber & 0xFF);
        path += buffer;
    }
    if (identity.collectionCount > 1) {
        std::snprintf(buffer, sizeof buffer, "&col%02d", (identity.collection + 1) % 100);
        path += buffer;
    }
    std::snprintf(buffer, sizeof buffer, "#7&%08x&0&%04d#{%s}", identity.instance, identity.collection % 10000,
                  HidInterfaceClass);
    return path + buffer;
}

uint32_t physicalInstance(const std::string& physicalId)
{
    uint32_t hash = 2166136261u; // FNV-1a: stable across runs, so paths are too
    for (const char c : physicalId) {
        hash ^= uint8_t(c);
        hash *= 16777619u;
    }
    return hash;
}

} // namespace HidPlatform
