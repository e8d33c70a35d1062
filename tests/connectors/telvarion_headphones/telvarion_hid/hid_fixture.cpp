#include "hid_fixture.h"

#include "telvarion_headphones/logger.h"

#include <fstream>
#include <sstream>

namespace HidConnectorTest {

std::string logText()
{
    std::ifstream file(Connector::Logger::instance().filePath(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void clearLog()
{
    std::ofstream(Connector::Logger::instance().filePath(), std::ios::binary | std::ios::trunc);
}

int logCount(const std::string& text)
{
    const std::string log = logText();
    int count = 0;
    for (std::size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
        ++count;
    return count;
}

HidPlatform::FakeNode::Spec phoneSpec(const HidTest::PhoneShape& shape, int interfaceNumber,
                                      const std::string& physicalId, std::uint16_t productId)
{
    HidPlatform::FakeNode::Spec spec;
    spec.vendorId = 0x095D;
    spec.productId = productId;
    spec.interfaceNumber = interfaceNumber;
    spec.physicalId = physicalId;
    spec.name = "Desk Phone";
    spec.descriptor = HidTest::phoneDescriptor(shape);
    return spec;
}

bool ChannelTest::open(const HidPlatform::FakeNode::Spec& spec, std::size_t collection)
{
    m_Node = m_Backend.addNode(spec);
    std::vector<HidPlatform::InterfaceInfo> interfaces;
    m_Backend.enumerate(interfaces);
    if (collection >= interfaces.size())
        return false;
    std::uint32_t error = 0;
    std::unique_ptr<HidPlatform::Device> device = m_Backend.open(interfaces[collection].path, error);
    if (!device)
        return false;
    const auto preparsedData = device->preparsedData();
    const auto attributes = device->attributes();
    m_Channel = std::make_unique<Connector::HidCommunication>(m_Controller, m_Backend);
    return m_Channel->Initialize(std::move(device), preparsedData, preparsedData->capabilities(), attributes,
                                 interfaces[collection].path, interfaces[collection].friendlyName);
}

void ChannelTest::inject(std::vector<std::uint8_t> report)
{
    m_Node->inject(std::move(report));
    m_Channel->ProcessInput();
}

void HandlerTest::SetUp()
{
    clearLog();
    m_Link = std::make_unique<Connector::ApiCommunications>(m_Window);
    m_Hid = new PhoneHid(m_Backend);
    ASSERT_TRUE(m_Link->AddDeviceHandler(m_Hid));
    ASSERT_TRUE(m_Link->Initialize());
    deliver({TelvarionApi::Event::connectionState(TelvarionApi::Connected)});
    m_Peer.clearCommands();
}

void HandlerTest::TearDown()
{
    m_Link.reset();
}

void HandlerTest::deliver(const std::vector<TelvarionApi::Event>& events)
{
    for (const auto& event : events)
        m_Peer.queue(event);
    m_Link->Run();
}

} // namespace HidConnectorTest
