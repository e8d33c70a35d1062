#include "phone_descriptors.h"

#include "HidPlatform/fake_backend.h"
#include "HidPlatform/hidraw_backend.h"
#include "HidPlatform/interface_path.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace HidPlatform;

namespace {

FakeNode::Spec phone(int interfaceNumber, const std::string& physicalId, std::vector<uint8_t> descriptor)
{
    FakeNode::Spec spec;
    spec.vendorId = 0x095D;
    spec.productId = 0x9201;
    spec.interfaceNumber = interfaceNumber;
    spec.physicalId = physicalId;
    spec.name = "Desk phone";
    spec.descriptor = std::move(descriptor);
    return spec;
}

std::vector<std::string> paths(Backend& backend)
{
    std::vector<InterfaceInfo> interfaces;
    EXPECT_EQ(backend.enumerate(interfaces), Error::None);
    std::vector<std::string> result;
    for (const InterfaceInfo& info : interfaces)
        result.push_back(info.path);
    return result;
}

std::string between(const std::string& path, size_t hash, int ampersands)
{
    size_t start = 0;
    for (size_t i = 0; i < hash; ++i)
        start = path.find('#', start) + 1;
    size_t end = start;
    for (int i = 0; i < ampersands; ++i)
        end = path.find('&', end) + 1;
    return path.substr(start, end - start);
}

} // namespace

TEST(FakeBackend, EachCollectionGetsAPathThatNamesItsPhysicalDevice)
{
    FakeBackend backend;
    HidTest::PhoneShape audioOnly;
    audioOnly.display = false;
    audioOnly.consumer = false;
    backend.addNode(phone(3, "usb-1-2", HidTest::phoneDescriptor()));
    backend.addNode(phone(0, "usb-1-2", HidTest::phoneDescriptor(audioOnly)));
    backend.addNode(phone(3, "usb-1-7", HidTest::phoneDescriptor(audioOnly)));
    backend.addNode(phone(1, "usb-1-9", {0x05, 0x0B})); // an interface whose description is broken

    const std::vector<std::string> found = paths(backend);
    ASSERT_EQ(found.size(), 5u);
    EXPECT_EQ(found[0].rfind("\\\\?\\hid#vid_095d&pid_9201&mi_03&col01#7&", 0), 0u);
    EXPECT_NE(found[2].find("&mi_03&col03#"), std::string::npos);
    EXPECT_NE(found[3].find("&mi_00#"), std::string::npos);
    for (const std::string& path : found)
        EXPECT_NE(path.find(HidInterfaceClass), std::string::npos) << path;
    // Same vendor and product everywhere; the instance tells the physical devices apart.
    EXPECT_EQ(between(found[0], 1, 2), between(found[4], 1, 2));
    EXPECT_EQ(between(found[0], 2, 3), between(found[3], 2, 3));
    EXPECT_NE(between(found[0], 2, 3), between(found[4], 2, 3));
}

TEST(FakeBackend, ReadsGiveOnlyTheCollectionsReportsAndPendUntilOneArrives)
{
    FakeBackend backend;
    const std::shared_ptr<FakeNode> node = backend.addNode(phone(3, "usb-1-2", HidTest::phoneDescriptor()));
    const std::vector<std::string> found = paths(backend);
    uint32_t error = Error::None;
    const std::unique_ptr<Device> telephony = backend.open(found[0], error);
    const std::unique_ptr<Device> consumer = backend.open(found[2], error);
    ASSERT_TRUE(telephony && consumer);
    EXPECT_EQ(node->openHandles(), 2);
    EXPECT_EQ(telephony->attributes().productId, 0x9201);

    uint8_t buffer[64] = {};
    EXPECT_EQ(telephony->startRead(buffer, sizeof buffer).error, Error::IoPending);
    EXPECT_EQ(telephony->pollRead().error, Error::IoIncomplete);
    node->inject({5, 0x01});
    node->inject({1, 0x01, 0x00}); // short report: padded to the input report length
    const IoResult read = telephony->pollRead();
    EXPECT_EQ(read.error, Error::None);
    EXPECT_EQ(read.bytes, 4u);
    EXPECT_EQ(buffer[0], 1);
    EXPECT_EQ(buffer[1], 0x01);
    EXPECT_EQ(buffer[3], 0);

    uint8_t volume[2] = {};
    const IoResult consumerRead = consumer->startRead(volume, sizeof volume);
    EXPECT_EQ(consumerRead.error, Error::None);
    EXPECT_EQ(volume[0], 5);

    node->unplug();
    EXPECT_EQ(telephony->startRead(buffer, sizeof buffer).error, Error::DeviceNotConnected);
    const uint8_t leds[2] = {2, 0x01};
    EXPECT_EQ(telephony->startWrite(leds, sizeof leds).error, Error::DeviceNotConnected);
    EXPECT_FALSE(backend.open(found[0], error));
    EXPECT_EQ(error, Error::FileNotFound);
}

TEST(FakeBackend, WritesAreCheckedAndCutToTheirReport)
{
    FakeBackend backend;
    const std::shared_ptr<FakeNode> node = backend.addNode(phone(3, "usb-1-2", HidTest::phoneDescriptor()));
    uint32_t error = Error::None;
    const std::unique_ptr<Device> display = backend.open(paths(backend)[1], error);
    ASSERT_TRUE(display);

    uint8_t report[21] = {3, 0x01};
    ASSERT_EQ(display->startWrite(report, sizeof report).error, Error::None);
    EXPECT_EQ(display->startWrite(report, sizeof report).error, Error::InvalidParameter); // one at a time
    EXPECT_EQ(display->pollWrite().bytes, sizeof report);
    ASSERT_EQ(node->outputs().size(), 1u);
    EXPECT_EQ(node->outputs()[0].size(), 21u);

    report[0] = 2; // the telephony collection's report
    EXPECT_EQ(display->startWrite(report, sizeof report).error, Error::InvalidParameter);
    EXPECT_EQ(display->startWrite(report, 20).error, Error::InvalidParameter);

    uint8_t feature[4] = {4, 0x09, 0x04, 0};
    EXPECT_EQ(display->setFeature(feature, sizeof feature), Error::None);
    ASSERT_EQ(node->features().size(), 1u);
    EXPECT_EQ(node->features()[0][1], 0x09);

    node->setOpenError(Error::AccessDenied);
    EXPECT_FALSE(backend.open(paths(backend)[1], error));
    EXPECT_EQ(error, Error::AccessDenied);
}

TEST(HidrawBackend, ListsInterfacesFromSysfs)
{
    char root[] = "/tmp/hidrawXXXXXX";
    ASSERT_TRUE(::mkdtemp(root));
    const std::string base = root;
    const std::string usbDevice = base + "/devices/usb1/1-2";
    const std::string hidDevice = usbDevice + "/1-2:1.3/0003:095D:9300.0005";
    ASSERT_EQ(std::system(("mkdir -p " + hidDevice + " " + base + "/class/hidraw2").c_str()), 0);
    ASSERT_EQ(::symlink(hidDevice.c_str(), (base + "/class/hidraw2/device").c_str()), 0);
    std::ofstream(hidDevice + "/uevent") << "DRIVER=hid-generic\nHID_ID=0003:0000095D:00009300\n"
                                            "HID_NAME=Desk Phone\nHID_PHYS=usb-0000:00:14.0-2/input3\n";
    std::ofstream(usbDevice + "/bcdDevice") << "0215\n";
    const std::vector<uint8_t> descriptor = HidTest::phoneDescriptor();
    std::ofstream(hidDevice + "/report_descriptor", std::ios::binary)
        .write(reinterpret_cast<const char*>(descriptor.data()), std::streamsize(descriptor.size()));

    HidrawBackend backend(base + "/class", base + "/dev");
    std::vector<InterfaceInfo> interfaces;
    ASSERT_EQ(backend.enumerate(interfaces), Error::None);
    ASSERT_EQ(interfaces.size(), 3u);
    EXPECT_EQ(interfaces[0].friendlyName, "Desk Phone");
    EXPECT_EQ(interfaces[0].path.rfind("\\\\?\\hid#vid_095d&pid_9300&mi_03&col01#", 0), 0u);
    uint32_t error = Error::None;
    EXPECT_FALSE(backend.open(interfaces[0].path, error)); // no device node behind it
    EXPECT_EQ(error, Error::FileNotFound);

    // A FIFO stands in for the device node: non-blocking reads and plain writes.
    ASSERT_EQ(::mkdir((base + "/dev").c_str(), 0700), 0);
    ASSERT_EQ(::mkfifo((base + "/dev/hidraw2").c_str(), 0600), 0);
    const std::unique_ptr<Device> device = backend.open(interfaces[0].path, error);
    ASSERT_TRUE(device) << error;
    const int peer = ::open((base + "/dev/hidraw2").c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(peer, 0);
    uint8_t buffer[4] = {};
    EXPECT_EQ(device->startRead(buffer, sizeof buffer).error, Error::IoPending);
    const uint8_t input[] = {1, 0x01, 0x00, 0x03};
    ASSERT_EQ(::write(peer, input, sizeof input), ssize_t(sizeof input));
    EXPECT_EQ(device->pollRead().error, Error::None);
    EXPECT_EQ(buffer[3], 0x03);
    const uint8_t output[] = {2, 0x01};
    EXPECT_EQ(device->startWrite(output, sizeof output).error, Error::None);
    uint8_t written[8] = {};
    EXPECT_EQ(::read(peer, written, sizeof written), 2);
    EXPECT_EQ(written[1], 0x01);
    ::close(peer);

    HidrawBackend empty(base + "/nothing", base + "/dev");
    EXPECT_EQ(empty.enumerate(interfaces), Error::None);
    EXPECT_TRUE(interfaces.empty());
    std::system(("rm -rf " + base).c_str());
}
