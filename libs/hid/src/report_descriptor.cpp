#include "HidPlatform/report_descriptor.h"

#include <algorithm>
#include <map>
#include <utility>

namespace HidPlatform {

namespace {

constexpr size_t MaxReportBits = 8 * 4096;
constexpr size_t MaxGlobalStack = 16;
constexpr size_t MaxCollectionDepth = 32;
constexpr size_t MaxUsages = 1024;

struct GlobalState {
    uint16_t usagePage = 0;
    int32_t logicalMin = 0;
    int32_t logicalMax = 0;
    int32_t physicalMin = 0;
    int32_t physicalMax = 0;
    uint32_t unitsExp = 0;
    uint32_t units = 0;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint8_t reportId = 0;
    bool logicalMaxRaw = false;
    uint32_t logicalMaxUnsigned = 0;
};

// A usage whose page comes from the global state when the main item is reached.
struct PendingUsage {
    bool explicitPage = false;
    uint16_t page = 0;
    uint16_t min = 0;
    uint16_t max = 0;
};

struct LocalState {
    std::vector<PendingUsage> usages;
    bool haveMin = false;
    uint32_t minimum = 0;
    bool minExplicit = false;
    void clear() { *this = LocalState(); }
};

uint32_t unsignedData(const uint8_t* data, size_t size)
{
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i)
        value |= uint32_t(data[i]) << (8 * i);
    return value;
}

int32_t signedData(const uint8_t* data, size_t size)
{
    const uint32_t value = unsignedData(data, size);
    switch (size) {
    case 1: return int8_t(value);
    case 2: return int16_t(value);
    case 4: return int32_t(value);
    default: return 0;
    }
}

class Parser {
public:
    Parser(std::vector<TopLevelCollection>& out, std::string& error) : m_Out(out), m_Error(error) {}

    bool run(const std::vector<uint8_t>& bytes)
    {
        size_t pos = 0;
        while (pos < bytes.size()) {
            const uint8_t prefix = bytes[pos];
            if (prefix == 0xFE) { // long item: carries nothing we use
                if (pos + 2 >= bytes.size())
                    return fail("truncated long item");
                pos += 3 + bytes[pos + 1];
                if (pos > bytes.size())
                    return fail("truncated long item");
                continue;
            }
            const size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
            if (pos + 1 + size > bytes.size())
                return fail("item at offset " + std::to_string(pos) + " runs past the end");
            const uint8_t* data = &bytes[pos + 1];
            const uint8_t type = (prefix >> 2) & 3;
            const uint8_t tag = prefix >> 4;
            bool ok = true;
            switch (type) {
            case 0: ok = mainItem(tag, unsignedData(data, size)); break;
            case 1: ok = globalItem(tag, data, size); break;
            case 2: ok = localItem(tag, data, size); break;
            default: break; // reserved
            }
            if (!ok)
                return false;
            pos += 1 + size;
        }
        if (!m_Stack.empty())
            return fail("collection not closed");
        if (m_Out.empty())
            return fail("no top-level collection");
        for (TopLevelCollection& collection : m_Out)
            collection.usesReportIds = m_UsesIds;
        return true;
    }

private:
    bool fail(const std::string& why)
    {
        m_Error = why;
        m_Out.clear();
        return false;
    }

    bool mainItem(uint8_t tag, uint32_t flags)
    {
        switch (tag) {
        case 0x8: return dataItem(ReportType::Input, flags);
        case 0x9: return dataItem(ReportType::Output, flags);
        case 0xB: return dataItem(ReportType::Feature, flags);
        case 0xA: return beginCollection(uint8_t(flags));
        case 0xC:
            if (m_Stack.empty())
                return fail("end collection without collection");
            m_Stack.pop_back();
            m_Local.clear();
            return true;
        default:
            m_Local.clear();
            return true;
        }
    }

    std::vector<UsageRange> resolvedUsages() const
    {
        std::vector<UsageRange> result;
        for (const PendingUsage& usage : m_Local.usages)
            result.push_back({usage.explicitPage ? usage.page : m_Global.usagePage, usage.min, usage.max});
        return result;
    }

    bool beginCollection(uint8_t collectionType)
    {
        if (m_Stack.size() >= MaxCollectionDepth)
            return fail("collections nested too deep");
        const std::vector<UsageRange> usages = resolvedUsages();
        LinkCollectionNode node;
        node.collectionType = collectionType;
        if (!usages.empty()) {
            node.usage = usages.front().min;
            node.usagePage = usages.front().page;
        }
        if (m_Stack.empty()) {
            TopLevelCollection collection;
            collection.usage = node.usage;
            collection.usagePage = node.usagePage;
            collection.links.push_back(node);
            m_Out.push_back(collection);
            m_Stack.push_back(0);
        } else {
            TopLevelCollection& top = m_Out.back();
            node.parent = m_Stack.back();
            top.links.push_back(node);
            m_Stack.push_back(uint16_t(top.links.size() - 1));
        }
        m_Local.clear();
        return true;
    }

    bool dataItem(ReportType type, uint32_t flags)
    {
        const uint32_t bits = m_Global.reportSize * m_Global.reportCount;
        uint32_t& offset = m_Offsets[{type, m_Global.reportId}];
        if (bits > MaxReportBits || offset + bits > MaxReportBits)
            return fail("report larger than 4096 bytes");
        const bool constant = flags & 0x1;
        if (!constant && bits > 0 && m_Stack.empty())
            return fail("data item outside a collection");
        if (!constant && bits > 0) {
            ReportField field;
            field.type = type;
            field.reportId = m_Global.reportId;
            field.bitOffset = offset;
            field.bitSize = uint16_t(m_Global.reportSize);
            field.reportCount = uint16_t(m_Global.reportCount);
            field.isArray = !(flags & 0x2);
            field.isAbsolute = !(flags & 0x4);
            field.hasNull = flags & 0x40;
            field.logicalMin = m_Global.logicalMin;
            field.logicalMax = m_Global.logicalMax;
            // A maximum written in fewer bytes than its sign needs is meant unsigned.
            if (m_Global.logicalMaxRaw && m_Global.logicalMin >= 0 && m_Global.logicalMax < 0)
                field.logicalMax = int32_t(m_Global.logicalMaxUnsigned & 0x7FFFFFFF);
            field.physicalMin = m_Global.physicalMin;
            field.physicalMax = m_Global.physicalMax;
            field.unitsExp = m_Global.unitsExp;
            field.units = m_Global.units;
            field.linkCollection = m_Stack.back();
            field.usages = resolvedUsages();
            if (!field.usages.empty())
                m_Out.back().fields.push_back(field);
        }
        offset += bits;
        if (!m_Stack.empty())
            recordLayout(m_Out.back(), type, m_Global.reportId, offset);
        m_Local.clear();
        return true;
    }

    static void recordLayout(TopLevelCollection& collection, ReportType type, uint8_t reportId, uint32_t end)
    {
        for (ReportLayout& layout : collection.reports)
            if (layout.type == type && layout.reportId == reportId) {
                layout.bitLength = std::max(layout.bitLength, end);
                return;
            }
        collection.reports.push_back({type, reportId, end});
    }

    bool globalItem(uint8_t tag, const uint8_t* data, size_t size)
    {
        switch (tag) {
        case 0x0: m_Global.usagePage = uint16_t(unsignedData(data, size)); break;
        case 0x1: m_Global.logicalMin = signedData(data, size); break;
        case 0x2:
            m_Global.logicalMax = signedData(data, size);
            m_Global.logicalMaxRaw = true;
            m_Global.logicalMaxUnsigned = unsignedData(data, size);
            break;
        case 0x3: m_Global.physicalMin = signedData(data, size); break;
        case 0x4: m_Global.physicalMax = signedData(data, size); break;
        case 0x5: m_Global.unitsExp = unsignedData(data, size); break;
        case 0x6: m_Global.units = unsignedData(data, size); break;
        case 0x7:
            m_Global.reportSize = unsignedData(data, size);
            if (m_Global.reportSize > 0xFFFF)
                return fail("report size too large");
            break;
        case 0x8: {
            const uint32_t id = unsignedData(data, size);
            if (id == 0 || id > 0xFF)
                return fail("report id out of range");
            m_Global.reportId = uint8_t(id);
            m_UsesIds = true;
            break;
        }
        case 0x9:
            m_Global.reportCount = unsignedData(data, size);
            if (m_Global.reportCount > 0xFFFF)
                return fail("report count too large");
            break;
        case 0xA:
            if (m_GlobalStack.size() >= MaxGlobalStack)
                return fail("push without pop");
            m_GlobalStack.push_back(m_Global);
            break;
        case 0xB:
            if (m_GlobalStack.empty())
                return fail("pop without push");
            m_Global = m_GlobalStack.back();
            m_GlobalStack.pop_back();
            break;
        default: break;
        }
        return true;
    }

    bool localItem(uint8_t tag, const uint8_t* data, size_t size)
    {
        const uint32_t value = unsignedData(data, size);
        const bool explicitPage = size == 4;
        switch (tag) {
        case 0x0:
            if (m_Local.usages.size() >= MaxUsages)
                return fail("too many usages");
            m_Local.usages.push_back({explicitPage, uint16_t(value >> 16), uint16_t(value), uint16_t(value)});
            break;
        case 0x1:
            m_Local.haveMin = true;
            m_Local.minimum = value;
            m_Local.minExplicit = explicitPage;
            break;
        case 0x2:
            if (!m_Local.haveMin)
                return fail("usage maximum without minimum");
            if (uint16_t(value) < uint16_t(m_Local.minimum))
                return fail("usage maximum below minimum");
            if (m_Local.usages.size() >= MaxUsages)
                return fail("too many usages");
            m_Local.usages.push_back({m_Local.minExplicit, uint16_t(m_Local.minimum >> 16),
                                      uint16_t(m_Local.minimum), uint16_t(value)});
            m_Local.haveMin = false;
            break;
        default: break; // designators, strings and delimiters carry nothing we use
        }
        return true;
    }

    std::vector<TopLevelCollection>& m_Out;
    std::string& m_Error;
    GlobalState m_Global;
    std::vector<GlobalState> m_GlobalStack;
    LocalState m_Local;
    std::vector<uint16_t> m_Stack; // link-collection indexes of the open collections
    std::map<std::pair<ReportType, uint8_t>, uint32_t> m_Offsets;
    bool m_UsesIds = false;
};

} // namespace

size_t ReportField::usageCount() const
{
    size_t count = 0;
    for (const UsageRange& range : usages)
        count += size_t(range.max - range.min) + 1;
    return count;
}

bool ReportField::usageAt(size_t index, uint16_t& page, uint16_t& usage) const
{
    if (usages.empty())
        return false;
    if (!isArray && index >= usageCount()) {
        page = usages.back().page;
        usage = usages.back().max;
        return true;
    }
    for (const UsageRange& range : usages) {
        const size_t span = size_t(range.max - range.min) + 1;
        if (index < span) {
            page = range.page;
            usage = uint16_t(range.min + index);
            return true;
        }
        index -= span;
    }
    return false;
}

long ReportField::indexOf(uint16_t page, uint16_t usage) const
{
    long base = 0;
    for (const UsageRange& range : usages) {
        if (range.page == page && usage >= range.min && usage <= range.max)
            return base + long(usage - range.min);
        base += long(range.max - range.min) + 1;
    }
    return -1;
}

bool ReportDescriptor::parse(const std::vector<uint8_t>& bytes, std::vector<TopLevelCollection>& collections,
                             std::string& error)
{
    collections.clear();
    error.clear();
    Parser parser(collections, error);
    return parser.run(bytes);
}

} // namespace HidPlatform
