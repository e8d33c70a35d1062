#include "HidPlatform/hidraw_backend.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <linux/hidraw.h>
#include <sstream>
#include <sys/ioctl.h>
#include <unistd.h>

namespace HidPlatform {

namespace {

uint32_t errorOf(int error)
{
    switch (error) {
    case EAGAIN: return Error::IoPending;
    case EACCES:
    case EPERM: return Error::AccessDenied;
    case ENOENT: return Error::FileNotFound;
    case EIO: // hidraw answers reads of a vanished device this way
    case ENODEV:
    case ENXIO:
    case ESHUTDOWN: return Error::DeviceNotConnected;
    case EINVAL: return Error::InvalidParameter;
    default: return Error::GenFailure;
    }
}

std::string readText(const std::string& path)
{
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string realPath(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return std::string();
    std::string result(resolved);
    std::free(resolved);
    return result;
}

std::string parentOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

class HidrawNode : public RawNode {
public:
    explicit HidrawNode(int fd) : m_Fd(fd) {}
    ~HidrawNode() override { ::close(m_Fd); }

    uint32_t read(std::vector<uint8_t>& report) override
    {
        report.resize(4097);
        const ssize_t count = ::read(m_Fd, report.data(), report.size());
        if (count < 0) {
            report.clear();
            return errorOf(errno);
        }
        report.resize(size_t(count));
        return count == 0 ? Error::IoPending : Error::None;
    }

    uint32_t write(const uint8_t* report, size_t length) override
    {
        const ssize_t count = ::write(m_Fd, report, length);
        if (count < 0)
            return errorOf(errno);
        return Error::None;
    }

    uint32_t setFeature(const uint8_t* report, size_t length) override
    {
        std::vector<uint8_t> buffer(report, report + length);
        if (::ioctl(m_Fd, HIDIOCSFEATURE(length), buffer.data()) < 0)
            return errorOf(errno);
        return Error::None;
    }

private:
    int m_Fd;
};

} // namespace

HidrawBackend::HidrawBackend(std::string sysfsRoot, std::string devRoot)
    : m_SysfsRoot(std::move(sysfsRoot)), m_DevRoot(std::move(devRoot))
{
}

uint32_t HidrawBackend::listNodes(std::vector<NodeInfo>& nodes)
{
    nodes.clear();
    DIR* dir = ::opendir(m_SysfsRoot.c_str());
    if (!dir)
        return errno == ENOENT ? Error::None : errorOf(errno); // no hidraw at all: no devices
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.rfind("hidraw", 0) == 0)
            names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());

    for (const std::string& name : names) {
        const std::string device = realPath(m_SysfsRoot + "/" + name + "/device");
        if (device.empty())
            continue;
        NodeInfo node;
        node.node = m_DevRoot + "/" + name;
        std::istringstream uevent(readText(device + "/uevent"));
        std::string line;
        std::string phys;
        bool haveIds = false;
        while (std::getline(uevent, line)) {
            if (line.rfind("HID_ID=", 0) == 0) {
                unsigned bus = 0, vendor = 0, product = 0;
                haveIds = std::sscanf(line.c_str() + 7, "%x:%x:%x", &bus, &vendor, &product) == 3;
                node.attributes.vendorId = uint16_t(vendor);
                node.attributes.productId = uint16_t(product);
            } else if (line.rfind("HID_NAME=", 0) == 0) {
                node.name = line.substr(9);
            } else if (line.rfind("HID_PHYS=", 0) == 0) {
                phys = line.substr(9);
            }
        }
        if (!haveIds)
            continue;
        const size_t input = phys.rfind("/input");
        if (input != std::string::npos) {
            node.interfaceNumber = std::atoi(phys.c_str() + input + 6);
            node.physicalId = phys.substr(0, input);
        } else {
            node.physicalId = phys.empty() ? parentOf(device) : phys;
        }
        const std::string version = readText(parentOf(parentOf(device)) + "/bcdDevice");
        node.attributes.versionNumber = uint16_t(std::strtoul(version.c_str(), nullptr, 16));
        const std::string descriptor = readText(device + "/report_descriptor");
        node.descriptor.assign(descriptor.begin(), descriptor.end());
        nodes.push_back(std::move(node));
    }
    return Error::None;
}

std::unique_ptr<RawNode> HidrawBackend::openNode(const NodeInfo& node, uint32_t& error)
{
    const int fd = ::open(node.node.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errorOf(errno);
        return nullptr;
    }
    error = Error::None;
    return std::make_unique<HidrawNode>(fd);
}

Backend& Backend::system()
{
    static HidrawBackend backend;
    return backend;
}

} // namespace HidPlatform
