#include "telvarion_headphones/logger.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// Every test of the plug-in writes the process-wide log into a private folder.
class LogEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        char pattern[] = "/tmp/telvarion-connector-XXXXXX";
        m_Folder = mkdtemp(pattern);
        setenv("XDG_DATA_HOME", m_Folder.c_str(), 1);
        Connector::Logger::instance().Initialize("connector_test.log");
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
