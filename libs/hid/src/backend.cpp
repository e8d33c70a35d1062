#include "HidPlatform/backend.h"

#include "HidPlatform/interface_path.h"

namespace HidPlatform {

uint32_t Backend::interfaces(std::vector<Interface>& interfaces)
{
    interfaces.clear();
    m_Unusable.clear();
    std::vector<NodeInfo> nodes;
    const uint32_t error = listNodes(nodes);
    if (error != Error::None)
        return error;
    for (const NodeInfo& node : nodes) {
        std::vector<TopLevelCollection> collections;
        std::string why;
        // A node whose description cannot be parsed cannot be driven; it is left out as the
        // system leaves out a device it cannot start, and the caller may say why.
        if (!ReportDescriptor::parse(node.descriptor, collections, why)) {
            m_Unusable.push_back({node.node, why});
            continue;
        }
        for (size_t i = 0; i < collections.size(); ++i) {
            InterfaceIdentity identity;
            identity.vendorId = node.attributes.vendorId;
            identity.productId = node.attributes.productId;
            identity.interfaceNumber = node.interfaceNumber;
            identity.instance = physicalInstance(node.physicalId);
            identity.collection = int(i);
            identity.collectionCount = int(collections.size());
            Interface entry;
            entry.info.path = makeInterfacePath(identity);
            entry.info.friendlyName = node.name;
            entry.info.description = "HID-compliant device";
            entry.node = node;
            entry.preparsedData = std::make_shared<const PreparsedData>(collections[i]);
            interfaces.push_back(std::move(entry));
        }
    }
    return Error::None;
}

uint32_t Backend::enumerate(std::vector<InterfaceInfo>& infos)
{
    infos.clear();
    const uint32_t error = interfaces(m_Cache);
    for (const Interface& entry : m_Cache)
        infos.push_back(entry.info);
    return error;
}

const Backend::Interface* Backend::cached(const std::string& path) const
{
    for (const Interface& entry : m_Cache)
        if (entry.info.path == path)
            return &entry;
    return nullptr;
}

std::unique_ptr<Device> Backend::open(const std::string& path, uint32_t& error)
{
    // A node may have been renumbered since the last enumeration; look again once.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt == 1 || !cached(path)) {
            error = interfaces(m_Cache);
            if (error != Error::None)
                return nullptr;
        }
        const Interface* entry = cached(path);
        if (!entry) {
            error = Error::FileNotFound;
            return nullptr;
        }
        std::unique_ptr<RawNode> node = openNode(entry->node, error);
        if (node) {
            error = Error::None;
            return std::make_unique<Device>(std::move(node), entry->preparsedData, entry->node.attributes);
        }
        if (error != Error::FileNotFound)
            return nullptr;
    }
    return nullptr;
}

} // namespace HidPlatform
