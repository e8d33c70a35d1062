#pragma once

#include "HidPlatform/backend.h"

#include <memory>

namespace HidPlatform {

// A scripted device for tests: its report descriptor is given, input reports are injected
// and every output and feature report the program sends is captured. Reports are in the
// form the system delivers them (id byte first only on numbered devices; writes always
// start with the id byte, 0 on unnumbered devices).
class FakeNode {
public:
    struct Spec {
        uint16_t vendorId = 0;
        uint16_t productId = 0;
        uint16_t version = 0x0100;
        int interfaceNumber = -1;
        std::string physicalId = "usb-fake-1";
        std::string name;
        std::vector<uint8_t> descriptor;
    };

    explicit FakeNode(Spec spec) : m_Spec(std::move(spec)) {}

    const Spec& spec() const { return m_Spec; }
    void inject(std::vector<uint8_t> report) { m_Input.push_back(std::move(report)); }
    const std::vector<std::vector<uint8_t>>& outputs() const { return m_Outputs; }
    const std::vector<std::vector<uint8_t>>& features() const { return m_Features; }
    void clearCaptured();

    // Unplugged: gone from enumeration, and open handles fail as not connected.
    void unplug() { m_Connected = false; }
    bool connected() const { return m_Connected; }
    int openHandles() const { return m_OpenHandles; }
    void setOpenError(uint32_t error) { m_OpenError = error; }
    void setWriteError(uint32_t error) { m_WriteError = error; }

private:
    friend class FakeBackend;
    friend class FakeRawNode;

    Spec m_Spec;
    std::vector<std::vector<uint8_t>> m_Input; // every handle reads them all, as hidraw does
    std::vector<std::vector<uint8_t>> m_Outputs;
    std::vector<std::vector<uint8_t>> m_Features;
    bool m_Connected = true;
    int m_OpenHandles = 0;
    uint32_t m_OpenError = Error::None;
    uint32_t m_WriteError = Error::None;
};

class FakeBackend : public Backend {
public:
    std::shared_ptr<FakeNode> addNode(FakeNode::Spec spec);
    void setEnumerationError(uint32_t error) { m_EnumerationError = error; }

protected:
    uint32_t listNodes(std::vector<NodeInfo>& nodes) override;
    std::unique_ptr<RawNode> openNode(const NodeInfo& node, uint32_t& error) override;

private:
    std::vector<std::shared_ptr<FakeNode>> m_Nodes;
    uint32_t m_EnumerationError = Error::None;
};

} // namespace HidPlatform
