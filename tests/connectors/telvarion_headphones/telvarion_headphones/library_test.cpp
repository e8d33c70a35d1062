#include "connector_fixture.h"
#include "registry_file_fixture.h"

#include "telvarion_headphones/log_location.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace ConnectorTest {
namespace {

using LogLocation = PlatformTest::RegistryFileTest;

TEST_F(LogLocation, FallsBackKeyByKeyToTheClientsNames)
{
    EXPECT_EQ(Connector::logFolderPart(), "/Marlowane/Tavoro/logs/");

    write("[HKEY_CURRENT_USER\\SOFTWARE\\Marlowane\\InstalledBrandedQOMX]\nCompanyName=User\nProductName=UserProduct\n"
          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Marlowane\\InstalledBrandedQOMX]\nCompanyName=Machine\nProductName=\n");
    EXPECT_EQ(Connector::logFolderPart(), "/User/UserProduct/logs/");

    write("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Marlowane\\InstalledBrandedQOMX]\nCompanyName=Wow\n"
          "ProductName=WowProduct\n"
          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Marlowane\\InstalledBrandedQOMX]\nCompanyName=Machine\n");
    EXPECT_EQ(Connector::logFolderPart(), "/Wow/WowProduct/logs/");
}

TEST_F(LogLocation, RegistryValuesCannotLeaveTheDataFolder)
{
    write("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Marlowane\\InstalledBrandedQOMX]\nCompanyName=..\nProductName=a/../../b\n");
    EXPECT_EQ(Connector::logFolderPart(), "/Marlowane/a_.._.._b/logs/");
}

TEST_F(LinkTest, LogFileIsNamedByTheFirstHandler)
{
    unsetenv("TELVARION_REGISTRY_FILE");
    struct PhoneDevice : RecordingDevice
    {
        using RecordingDevice::RecordingDevice;
        const char* GetLogFileName() const override { return "TelvarionPolyphoneLog.txt"; }
    };
    Connector::Window window(nullptr);
    Connector::ApiCommunications empty(window);
    EXPECT_EQ(Connector::logFileName(empty), Connector::logFolderPart() + "TelvarionHeadphonesLog.txt");
    Connector::ApiCommunications phone(window);
    phone.AddDeviceHandler(new PhoneDevice(m_Journal, "p"));
    phone.AddDeviceHandler(new RecordingDevice(m_Journal, "q"));
    EXPECT_EQ(Connector::logFileName(phone), Connector::logFolderPart() + "TelvarionPolyphoneLog.txt");
}

// The real library in the host program: without a running client the connector gives up at
// once, and the host reports connectorMain's result.
TEST(ConnectorLibrary, HostLoadsItAndAFailedConnectReturns)
{
    char folder[] = "/tmp/telvarion-host-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string command = std::string("XDG_DATA_HOME=") + folder + " TELVARION_REGISTRY_FILE=/nonexistent "
        + TELVARION_HOST_PATH + " " + TELVARION_PLUGIN_PATH + " 2>&1";
    FILE* output = popen(command.c_str(), "r");
    ASSERT_NE(output, nullptr);
    std::string text;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, output))
        text += buffer;
    const int status = pclose(output);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(text.find("The connector returned 0"), std::string::npos) << text;
    rmdir(folder);

    EXPECT_NE(system((std::string(TELVARION_HOST_PATH) + " /nonexistent/lib.so 2>/dev/null").c_str()), 0);
}

} // namespace
} // namespace ConnectorTest
