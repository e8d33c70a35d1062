#include "HidPlatform/fake_backend.h"

namespace HidPlatform {

class FakeRawNode : public RawNode {
public:
    explicit FakeRawNode(std::shared_ptr<FakeNode> node)
        : m_Node(std::move(node)), m_NextInput(m_Node->m_Input.size())
    {
        ++m_Node->m_OpenHandles;
    }
    ~FakeRawNode() override { --m_Node->m_OpenHandles; }

    uint32_t read(std::vector<uint8_t>& report) override
    {
        if (!m_Node->m_Connected)
            return Error::DeviceNotConnected;
        if (m_NextInput >= m_Node->m_Input.size())
            return Error::IoPending;
        report = m_Node->m_Input[m_NextInput++];
        return Error::None;
    }

    uint32_t write(const uint8_t* report, size_t length) override
    {
        if (!m_Node->m_Connected)
            return Error::DeviceNotConnected;
        if (m_Node->m_WriteError != Error::None)
            return m_Node->m_WriteError;
        m_Node->m_Outputs.emplace_back(report, report + length);
        return Error::None;
    }

    uint32_t setFeature(const uint8_t* report, size_t length) override
    {
        if (!m_Node->m_Connected)
            return Error::DeviceNotConnected;
        if (m_Node->m_WriteError != Error::None)
            return m_Node->m_WriteError;
        m_Node->m_Features.emplace_back(report, report + length);
        return Error::None;
    }

private:
    std::shared_ptr<FakeNode> m_Node;
    size_t m_NextInput;
};

void FakeNode::clearCaptured()
{
    m_Outputs.clear();
    m_Features.clear();
}

std::shared_ptr<FakeNode> FakeBackend::addNode(FakeNode::Spec spec)
{
    m_Nodes.push_back(std::make_shared<FakeNode>(std::move(spec)));
    return m_Nodes.back();
}

uint32_t FakeBackend::listNodes(std::vector<NodeInfo>& nodes)
{
    nodes.clear();
    if (m_EnumerationError != Error::None)
        return m_EnumerationError;
    for (size_t i = 0; i < m_Nodes.size(); ++i) {
        const FakeNode& fake = *m_Nodes[i];
        if (!fake.connected())
            continue;
        NodeInfo node;
        node.node = std::to_string(i);
        node.physicalId = fake.spec().physicalId;
        node.interfaceNumber = fake.spec().interfaceNumber;
        node.attributes = {fake.spec().vendorId, fake.spec().productId, fake.spec().version};
        node.name = fake.spec().name;
        node.descriptor = fake.spec().descriptor;
        nodes.push_back(std::move(node));
    }
    return Error::None;
}

std::unique_ptr<RawNode> FakeBackend::openNode(const NodeInfo& node, uint32_t& error)
{
    const std::shared_ptr<FakeNode>& fake = m_Nodes.at(std::stoul(node.node));
    error = fake->m_OpenError;
    if (!fake->connected())
        error = Error::FileNotFound;
    if (error != Error::None)
        return nullptr;
    return std::make_unique<FakeRawNode>(fake);
}

} // namespace HidPlatform
