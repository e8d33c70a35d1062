#include "phone_descriptors.h"

#include "HidPlatform/preparsed_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace HidPlatform;
using HidTest::DescriptorBuilder;

namespace {

std::vector<TopLevelCollection> parsed(const std::vector<uint8_t>& bytes)
{
    std::vector<TopLevelCollection> collections;
    std::string error;
    EXPECT_TRUE(ReportDescriptor::parse(bytes, collections, error)) << error;
    return collections;
}

const ButtonCaps* findButton(const std::vector<ButtonCaps>& caps, uint16_t page, uint16_t usage)
{
    for (const ButtonCaps& c : caps)
        if (c.usagePage == page && usage >= c.usageMin && usage <= c.usageMax)
            return &c;
    return nullptr;
}

class PhoneDescriptor : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::vector<TopLevelCollection> collections = parsed(HidTest::phoneDescriptor());
        ASSERT_EQ(collections.size(), 3u);
        m_Telephony = std::make_unique<PreparsedData>(collections[0]);
        m_Display = std::make_unique<PreparsedData>(collections[1]);
        m_Consumer = std::make_unique<PreparsedData>(collections[2]);
    }

    std::unique_ptr<PreparsedData> m_Telephony;
    std::unique_ptr<PreparsedData> m_Display;
    std::unique_ptr<PreparsedData> m_Consumer;
};

} // namespace

TEST_F(PhoneDescriptor, CollectionsCarryTheirOwnPagesLengthsAndCaps)
{
    const Capabilities& telephony = m_Telephony->capabilities();
    EXPECT_EQ(telephony.usagePage, 0x0B);
    EXPECT_EQ(telephony.usage, 0x01);
    EXPECT_EQ(telephony.inputReportByteLength, 4);  // id + 8 buttons + 8 bits + keypad byte
    EXPECT_EQ(telephony.outputReportByteLength, 2); // id + LEDs and ringer
    EXPECT_EQ(telephony.featureReportByteLength, 0);
    EXPECT_EQ(m_Display->capabilities().usagePage, 0xFF99);
    EXPECT_EQ(m_Display->capabilities().outputReportByteLength, 21);
    EXPECT_EQ(m_Display->capabilities().featureReportByteLength, 4);
    EXPECT_EQ(m_Consumer->capabilities().usagePage, 0x0C);
    EXPECT_EQ(m_Consumer->capabilities().inputReportByteLength, 2);

    std::vector<ButtonCaps> input;
    ASSERT_EQ(m_Telephony->getButtonCaps(ReportType::Input, input), Status::Success);
    const ButtonCaps* hook = findButton(input, 0x0B, 0x20);
    const ButtonCaps* mute = findButton(input, 0x0B, 0x2F);
    const ButtonCaps* keypad = findButton(input, 0x0B, 0xB5);
    const ButtonCaps* prog = findButton(input, 0x09, 0x07);
    ASSERT_TRUE(hook && mute && keypad && prog);
    EXPECT_TRUE(hook->isAbsolute);
    EXPECT_FALSE(mute->isAbsolute);
    EXPECT_EQ(hook->reportId, 1);
    EXPECT_TRUE(keypad->isRange);
    EXPECT_EQ(keypad->usageMin, 0xB0);
    EXPECT_EQ(keypad->usageMax, 0xBC);

    std::vector<ValueCaps> values;
    ASSERT_EQ(m_Display->getValueCaps(ReportType::Output, values), Status::Success);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[1].usageMin, 0xFF1C);
    EXPECT_EQ(values[1].logicalMin, -1);
    EXPECT_EQ(values[2].reportCount, 16);
    EXPECT_EQ(values[2].bitSize, 8);
}

TEST_F(PhoneDescriptor, InputReportDecodesPressedButtonsPerPage)
{
    // hook, phone mute, line busy tone, programmable button, keypad 2
    const uint8_t report[] = {1, 0x01 | 0x08, 0x01 | 0x02, 3};
    std::vector<uint16_t> usages;
    ASSERT_EQ(m_Telephony->getUsages(ReportType::Input, 0x0B, usages, report, sizeof report), Status::Success);
    EXPECT_EQ(usages, (std::vector<uint16_t>{0x20, 0x2F, 0x97, 0xB2}));
    ASSERT_EQ(m_Telephony->getUsages(ReportType::Input, 0x09, usages, report, sizeof report), Status::Success);
    EXPECT_EQ(usages, std::vector<uint16_t>{0x07});
    EXPECT_EQ(m_Telephony->maxUsageListLength(ReportType::Input, 0x0B), 10u);

    const uint8_t otherReport[] = {5, 0, 0, 0};
    EXPECT_EQ(m_Telephony->getUsages(ReportType::Input, 0x0B, usages, otherReport, sizeof otherReport),
              Status::IncompatibleReportId);
    EXPECT_EQ(m_Telephony->getUsages(ReportType::Input, 0x0C, usages, report, sizeof report), Status::UsageNotFound);
    EXPECT_EQ(m_Telephony->getUsages(ReportType::Input, 0x0B, usages, report, 3), Status::InvalidReportLength);
}

TEST_F(PhoneDescriptor, ButtonWritesFollowReportIdRules)
{
    uint8_t report[2] = {0, 0};
    ASSERT_EQ(m_Telephony->setUsage(ReportType::Output, 0x08, 0x17, report, 2), Status::Success);
    EXPECT_EQ(report[0], 2); // a zeroed report takes the id of the usage's report
    EXPECT_EQ(report[1], 0x01);
    ASSERT_EQ(m_Telephony->setUsage(ReportType::Output, 0x0B, 0x9E, report, 2), Status::Success);
    EXPECT_EQ(report[1], 0x41);
    EXPECT_EQ(m_Telephony->unsetUsage(ReportType::Output, 0x08, 0x17, report, 2), Status::Success);
    EXPECT_EQ(report[1], 0x40);
    EXPECT_EQ(m_Telephony->unsetUsage(ReportType::Output, 0x08, 0x17, report, 2), Status::ButtonNotPressed);

    report[0] = 7;
    EXPECT_EQ(m_Telephony->setUsage(ReportType::Output, 0x08, 0x09, report, 2), Status::IncompatibleReportId);
    EXPECT_EQ(m_Telephony->setUsage(ReportType::Output, 0x08, 0x4B, report, 2), Status::UsageNotFound);
    EXPECT_EQ(m_Telephony->setUsage(ReportType::Feature, 0x08, 0x09, report, 2), Status::ReportDoesNotExist);
    EXPECT_EQ(m_Telephony->setUsage(ReportType::Output, 0x08, 0x09, report, 3), Status::InvalidReportLength);
}

TEST_F(PhoneDescriptor, ValuesAreScaledSignedAndArraysCopied)
{
    uint8_t report[21] = {};
    ASSERT_EQ(m_Display->setScaledUsageValue(ReportType::Output, 0xFF99, 0xFF1C, -1, report, 21), Status::Success);
    EXPECT_EQ(report[0], 3);
    EXPECT_EQ(report[4] & 0x03, 0x03);
    int32_t value = 0;
    ASSERT_EQ(m_Display->getScaledUsageValue(ReportType::Output, 0xFF99, 0xFF1C, value, report, 21), Status::Success);
    EXPECT_EQ(value, -1);
    EXPECT_EQ(m_Display->setScaledUsageValue(ReportType::Output, 0xFF99, 0xFF1C, 2, report, 21), Status::ValueOutOfRange);
    EXPECT_EQ(m_Display->setScaledUsageValue(ReportType::Output, 0xFF99, 0xFF2C, 1, report, 21), Status::IsValueArray);

    const uint8_t text[16] = {'H', 0, 'i', 0};
    ASSERT_EQ(m_Display->setUsageValueArray(ReportType::Output, 0xFF99, 0xFF2C, text, 16, report, 21), Status::Success);
    EXPECT_EQ(report[5], 'H');
    EXPECT_EQ(report[7], 'i');
    EXPECT_EQ(m_Display->setUsageValueArray(ReportType::Output, 0xFF99, 0xFF2C, text, 15, report, 21),
              Status::BufferTooSmall);
    EXPECT_EQ(m_Display->setUsageValueArray(ReportType::Output, 0xFF99, 0xFF11, text, 16, report, 21),
              Status::NotValueArray);

    uint8_t feature[4] = {};
    ASSERT_EQ(m_Display->setScaledUsageValue(ReportType::Feature, 0xFF99, 0x64, 0x0409, feature, 4), Status::Success);
    EXPECT_EQ(feature[0], 4);
    EXPECT_EQ(feature[1], 0x09);
    EXPECT_EQ(feature[2], 0x04);
}

TEST(ReportDescriptor, ArraySlotsFillAndEmpty)
{
    DescriptorBuilder d;
    d.usagePage(0x0B).usage(0x01).application();
    d.logical(1, 13).usageRange(0xB0, 0xBC).reportSize(8).reportCount(2).input(DescriptorBuilder::Array);
    d.endCollection();
    const PreparsedData data(parsed(d.bytes()).at(0));
    EXPECT_FALSE(data.collection().usesReportIds);
    EXPECT_EQ(data.capabilities().inputReportByteLength, 3);
    uint8_t report[3] = {};
    EXPECT_EQ(data.setUsage(ReportType::Input, 0x0B, 0xB1, report, 3), Status::Success);
    EXPECT_EQ(data.setUsage(ReportType::Input, 0x0B, 0xBC, report, 3), Status::Success);
    EXPECT_EQ(data.setUsage(ReportType::Input, 0x0B, 0xB3, report, 3), Status::BufferTooSmall);
    EXPECT_EQ(report[0], 0); // unnumbered reports keep a zero id byte
    EXPECT_EQ(report[1], 2);
    EXPECT_EQ(report[2], 13);
    EXPECT_EQ(data.unsetUsage(ReportType::Input, 0x0B, 0xB1, report, 3), Status::Success);
    std::vector<uint16_t> usages;
    ASSERT_EQ(data.getUsages(ReportType::Input, 0x0B, usages, report, 3), Status::Success);
    EXPECT_EQ(usages, std::vector<uint16_t>{0xBC});
}

TEST(ReportDescriptor, GlobalStackExtendedUsagesAndNestedCollections)
{
    DescriptorBuilder d;
    d.usagePage(0xFFA9).usage(0x01).application();
    d.push().usagePage(0x08).usage(0x09).logicalCollection();
    d.buttons(0x90, {0x17});
    d.endCollection().pop();
    d.extendedUsage(0xFF08, 0x21).logical(0, 1).reportSize(1).reportCount(1).output(DescriptorBuilder::Variable);
    d.padding(0x90, 6);
    d.endCollection();
    const PreparsedData data(parsed(d.bytes()).at(0));
    std::vector<ButtonCaps> caps;
    data.getButtonCaps(ReportType::Output, caps);
    ASSERT_EQ(caps.size(), 2u);
    EXPECT_EQ(caps[0].usagePage, 0x08);
    EXPECT_EQ(caps[0].linkCollection, 1);
    EXPECT_EQ(caps[0].linkUsage, 0x09);
    EXPECT_EQ(caps[1].usagePage, 0xFF08);
    EXPECT_EQ(caps[1].usageMin, 0x21);
    EXPECT_EQ(data.capabilities().numberLinkCollectionNodes, 2);
    EXPECT_EQ(data.capabilities().outputReportByteLength, 2);
}

TEST(ReportDescriptor, ReportLengthCountsTheIdByteEvenWithoutIds)
{
    DescriptorBuilder d;
    d.usagePage(0xFF00).usage(0x01).application();
    d.usage(0x02).logical(0, 255).reportSize(8).reportCount(64).output(DescriptorBuilder::Variable);
    d.endCollection();
    EXPECT_EQ(PreparsedData(parsed(d.bytes()).at(0)).capabilities().outputReportByteLength, 65);
}

struct MalformedCase {
    const char* name;
    std::vector<uint8_t> bytes;
};

class MalformedDescriptor : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedDescriptor, IsRefusedWithAReason)
{
    std::vector<TopLevelCollection> collections;
    std::string error;
    EXPECT_FALSE(ReportDescriptor::parse(GetParam().bytes, collections, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(collections.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedDescriptor,
    ::testing::Values(MalformedCase{"empty", {}},
                      MalformedCase{"truncatedItem", {0x05, 0x0B, 0x09, 0x01, 0xA1, 0x01, 0x26, 0xFF}},
                      MalformedCase{"endWithoutCollection", {0x05, 0x0B, 0xC0}},
                      MalformedCase{"unclosedCollection", {0x05, 0x0B, 0x09, 0x01, 0xA1, 0x01}},
                      MalformedCase{"popWithoutPush", {0xB4}},
                      MalformedCase{"reportIdZero", {0x05, 0x0B, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x00, 0xC0}},
                      MalformedCase{"dataOutsideCollection", {0x09, 0x20, 0x75, 0x01, 0x95, 0x01, 0x81, 0x02}},
                      MalformedCase{"maximumWithoutMinimum", {0x05, 0x0B, 0x09, 0x01, 0xA1, 0x01, 0x29, 0x05, 0xC0}},
                      MalformedCase{"hugeReport", {0x05, 0x0B, 0x09, 0x01, 0xA1, 0x01, 0x09, 0x20, 0x75, 0xFF,
                                                   0x96, 0xFF, 0x7F, 0x81, 0x02, 0xC0}},
                      MalformedCase{"truncatedLongItem", {0xFE, 0x10}}),
    [](const ::testing::TestParamInfo<MalformedCase>& info) { return std::string(info.param.name); });

// Damaged descriptors and garbage reports are refused or decoded, never a crash.
TEST(ReportDescriptor, SurvivesDamagedDescriptorsAndGarbageReports)
{
    std::mt19937 random(20261209);
    const std::vector<uint8_t> original = HidTest::phoneDescriptor();
    int parsedCount = 0;
    for (int round = 0; round < 400; ++round) {
        std::vector<uint8_t> bytes = original;
        for (int flips = 1 + int(random() % 4); flips > 0; --flips)
            bytes[random() % bytes.size()] = uint8_t(random());
        if (round % 3 == 0)
            bytes.resize(random() % bytes.size());
        std::vector<TopLevelCollection> collections;
        std::string error;
        if (!ReportDescriptor::parse(bytes, collections, error))
            continue;
        ++parsedCount;
        for (const TopLevelCollection& collection : collections) {
            const PreparsedData data(collection);
            for (const ReportType type : {ReportType::Input, ReportType::Output, ReportType::Feature}) {
                std::vector<uint8_t> report(data.reportByteLength(type));
                for (uint8_t& byte : report)
                    byte = uint8_t(random());
                if (report.empty())
                    continue;
                std::vector<ButtonCaps> buttons;
                data.getButtonCaps(type, buttons);
                std::vector<uint16_t> usages;
                for (const ButtonCaps& caps : buttons) {
                    data.getUsages(type, caps.usagePage, usages, report.data(), report.size());
                    data.setUsage(type, caps.usagePage, caps.usageMax, report.data(), report.size());
                    data.unsetUsage(type, caps.usagePage, caps.usageMin, report.data(), report.size());
                }
                std::vector<ValueCaps> values;
                data.getValueCaps(type, values);
                uint8_t array[256] = {};
                for (const ValueCaps& caps : values) {
                    int32_t value = 0;
                    data.getScaledUsageValue(type, caps.usagePage, caps.usageMin, value, report.data(), report.size());
                    data.setScaledUsageValue(type, caps.usagePage, caps.usageMin, int32_t(random()), report.data(),
                                             report.size());
                    data.setUsageValueArray(type, caps.usagePage, caps.usageMin, array, sizeof array, report.data(),
                                            report.size());
                }
            }
        }
    }
    EXPECT_GT(parsedCount, 0);
}
