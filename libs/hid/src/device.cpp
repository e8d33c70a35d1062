#include "HidPlatform/device.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace HidPlatform {

Device::Device(std::unique_ptr<RawNode> node, std::shared_ptr<const PreparsedData> preparsedData, Attributes attributes)
    : m_Node(std::move(node)), m_PreparsedData(std::move(preparsedData)), m_Attributes(attributes)
{
}

IoResult Device::readInto(uint8_t* buffer, size_t length)
{
    const bool numbered = m_PreparsedData->collection().usesReportIds;
    std::vector<uint8_t> report;
    for (;;) {
        const uint32_t error = m_Node->read(report);
        if (error != Error::None)
            return {error, 0};
        if (report.empty())
            continue;
        if (!numbered)
            report.insert(report.begin(), 0);
        // Reports of the interface's other collections belong to their own paths.
        if (numbered && m_PreparsedData->reportSizeOf(ReportType::Input, report[0]) == 0)
            continue;
        std::memset(buffer, 0, length);
        std::memcpy(buffer, report.data(), std::min(length, report.size()));
        return {Error::None, length};
    }
}

IoResult Device::startRead(uint8_t* buffer, size_t length)
{
    if (m_ReadBuffer || !buffer || length < m_PreparsedData->reportByteLength(ReportType::Input) || length == 0)
        return {Error::InvalidParameter, 0};
    const IoResult result = readInto(buffer, m_PreparsedData->reportByteLength(ReportType::Input));
    if (result.error == Error::IoPending) {
        m_ReadBuffer = buffer;
        m_ReadLength = m_PreparsedData->reportByteLength(ReportType::Input);
    }
    return result;
}

IoResult Device::pollRead()
{
    if (!m_ReadBuffer)
        return {Error::InvalidParameter, 0};
    const IoResult result = readInto(m_ReadBuffer, m_ReadLength);
    if (result.error == Error::IoPending)
        return {Error::IoIncomplete, 0};
    m_ReadBuffer = nullptr;
    return result;
}

uint32_t Device::checkOutgoing(ReportType type, const uint8_t* report, size_t length, size_t& sendLength) const
{
    if (!report || length != m_PreparsedData->reportByteLength(type) || length == 0)
        return Error::InvalidParameter;
    const uint16_t size = m_PreparsedData->reportSizeOf(type, report[0]);
    if (size == 0)
        return Error::InvalidParameter;
    sendLength = size;
    return Error::None;
}

IoResult Device::startWrite(const uint8_t* report, size_t length)
{
    if (m_WriteStarted)
        return {Error::InvalidParameter, 0};
    size_t sendLength = 0;
    uint32_t error = checkOutgoing(ReportType::Output, report, length, sendLength);
    if (error == Error::None)
        error = m_Node->write(report, sendLength);
    if (error != Error::None)
        return {error, 0};
    // The system completes writes at once; the result waits for the poll as it would for
    // an overlapped write.
    m_WriteStarted = true;
    m_WriteResult = {Error::None, length};
    return m_WriteResult;
}

IoResult Device::pollWrite()
{
    if (!m_WriteStarted)
        return {Error::InvalidParameter, 0};
    m_WriteStarted = false;
    return m_WriteResult;
}

uint32_t Device::setFeature(const uint8_t* report, size_t length)
{
    size_t sendLength = 0;
    const uint32_t error = checkOutgoing(ReportType::Feature, report, length, sendLength);
    return error == Error::None ? m_Node->setFeature(report, sendLength) : error;
}

} // namespace HidPlatform
