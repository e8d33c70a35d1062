#pragma once

#include "HidPlatform/preparsed_data.h"

#include <memory>
#include <string>
#include <vector>

namespace HidPlatform {

// One opened physical interface as the system delivers it. Non-blocking: a read with
// nothing waiting answers Error::IoPending. Reports carry their id byte first only on
// devices that number their reports.
class RawNode {
public:
    virtual ~RawNode() = default;
    virtual uint32_t read(std::vector<uint8_t>& report) = 0;
    virtual uint32_t write(const uint8_t* report, size_t length) = 0;
    virtual uint32_t setFeature(const uint8_t* report, size_t length) = 0;
};

// Outcome of a transfer: error None with the bytes moved, IoPending when a started transfer
// goes on, IoIncomplete when a polled one has not finished yet, or the failure.
struct IoResult {
    uint32_t error = Error::None;
    size_t bytes = 0;
};

// An opened interface path: one top-level collection of a physical interface. Reads give
// only that collection's input reports, id byte first and padded to the input report byte
// length, the way the connector expects them on every platform.
class Device {
public:
    Device(std::unique_ptr<RawNode> node, std::shared_ptr<const PreparsedData> preparsedData, Attributes attributes);

    const Attributes& attributes() const { return m_Attributes; }
    std::shared_ptr<const PreparsedData> preparsedData() const { return m_PreparsedData; }

    IoResult startRead(uint8_t* buffer, size_t length);
    IoResult pollRead();
    IoResult startWrite(const uint8_t* report, size_t length);
    IoResult pollWrite();
    uint32_t setFeature(const uint8_t* report, size_t length);

private:
    IoResult readInto(uint8_t* buffer, size_t length);
    uint32_t checkOutgoing(ReportType type, const uint8_t* report, size_t length, size_t& sendLength) const;

    std::unique_ptr<RawNode> m_Node;
    std::shared_ptr<const PreparsedData> m_PreparsedData;
    Attributes m_Attributes;
    uint8_t* m_ReadBuffer = nullptr;
    size_t m_ReadLength = 0;
    bool m_WriteStarted = false;
    IoResult m_WriteResult;
};

} // namespace HidPlatform
