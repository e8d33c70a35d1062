#include "telvarion_headphones/logger.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// The process-wide log goes to a private folder, where the tests read it back.
class LogEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        char pattern[] = "/tmp/telvarion-hid-XXXXXX";
        m_Folder = mkdtemp(pattern);
        setenv("XDG_DATA_HOME", m_Folder.c_str(), 1);
        Connector::Logger::instance().Initialize("hid_test.log");
    }

    void TearDown() override
    {
        Connector::Logger::instance().Uninitialize();
        std::error_code ignored;
        std::filesystem::remove_all(m_Folder, ignored);
    }

private:
    std::string m_Folder;
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new LogEnvironment);
    return RUN_ALL_TESTS();
}
