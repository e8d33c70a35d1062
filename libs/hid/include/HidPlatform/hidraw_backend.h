#pragma once

#include "HidPlatform/backend.h"

namespace HidPlatform {

// Linux hidraw: interfaces come from sysfs with the kernel's copy of each report
// descriptor; a node that vanished while open answers Error::DeviceNotConnected.
class HidrawBackend : public Backend {
public:
    explicit HidrawBackend(std::string sysfsRoot = "/sys/class/hidraw", std::string devRoot = "/dev");

protected:
    uint32_t listNodes(std::vector<NodeInfo>& nodes) override;
    std::unique_ptr<RawNode> openNode(const NodeInfo& node, uint32_t& error) override;

private:
    std::string m_SysfsRoot;
    std::string m_DevRoot;
};

} // namespace HidPlatform
