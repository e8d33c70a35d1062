#pragma once

#include "HidPlatform/device.h"

#include <memory>
#include <string>
#include <vector>

namespace HidPlatform {

// One physical HID interface as the system lists it.
struct NodeInfo {
    std::string node;       // the backend's own name for it
    std::string physicalId; // the same for every interface of one physical device
    int interfaceNumber = -1;
    Attributes attributes;
    std::string name;
    std::vector<uint8_t> descriptor;
};

// One interface path: a top-level collection of a physical interface.
struct InterfaceInfo {
    std::string path;
    std::string friendlyName;
    std::string description;
};

// A physical interface the last enumeration left out, and why.
struct UnusableNode {
    std::string node;
    std::string reason;
};

// The system's HID devices. Each top-level collection of each interface gets its own path,
// which names the device, the interface and the collection; open() takes such a path.
class Backend {
public:
    virtual ~Backend() = default;

    uint32_t enumerate(std::vector<InterfaceInfo>& interfaces);
    std::unique_ptr<Device> open(const std::string& path, uint32_t& error);
    const std::vector<UnusableNode>& unusableNodes() const { return m_Unusable; }

    // The backend of this machine (hidraw).
    static Backend& system();

protected:
    virtual uint32_t listNodes(std::vector<NodeInfo>& nodes) = 0;
    virtual std::unique_ptr<RawNode> openNode(const NodeInfo& node, uint32_t& error) = 0;

private:
    struct Interface {
        InterfaceInfo info;
        NodeInfo node;
        std::shared_ptr<const PreparsedData> preparsedData;
    };

    uint32_t interfaces(std::vector<Interface>& interfaces);
    const Interface* cached(const std::string& path) const;

    // The interfaces of the last enumeration: opening one of them needs no new walk.
    std::vector<Interface> m_Cache;
    std::vector<UnusableNode> m_Unusable;
};

} // namespace HidPlatform
