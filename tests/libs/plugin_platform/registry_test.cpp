#include "Platform/registry.h"
#include "registry_file_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Platform::Registry;

using RegistryTest = PlatformTest::RegistryFileTest;

TEST_F(RegistryTest, ReadsValuesOfTheNamedKeyOnly)
{
    write("; written by the client\r\n"
          "[HKEY_CURRENT_USER\\SOFTWARE\\Marlowane\\InstalledBrandedQOMX]\r\n"
          "CompanyName=User Company\r\n"
          "[hkey_local_machine\\software\\marlowane\\installedbrandedqomx\\]\r\n"
          "  companyname =  Marlowane Ltd  \r\n"
          "ProductName=\"Tavoro \\\"Pro\\\" \\\\ X\"\r\n"
          "ProductName=\"Tavoro Desktop\"\r\n"
          "# comment=ignored\n"
          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n"
          "Extra=1\n");
    const std::string key = "SOFTWARE\\Marlowane\\InstalledBrandedQOMX";
    EXPECT_EQ(Registry::readString(Registry::Root::LocalMachine, key, "CompanyName"), "Marlowane Ltd");
    EXPECT_EQ(Registry::readString(Registry::Root::LocalMachine, key, "ProductName"), "Tavoro Desktop");
    EXPECT_EQ(Registry::readString(Registry::Root::CurrentUser, key, "CompanyName"), "User Company");
    EXPECT_EQ(Registry::readString(Registry::Root::CurrentUser, key, "ProductName"), std::nullopt);
    EXPECT_EQ(Registry::readString(Registry::Root::LocalMachine, key, "Extra"), std::nullopt);
    EXPECT_EQ(Registry::readString(Registry::Root::LocalMachine, key, "comment"), std::nullopt);
}

TEST_F(RegistryTest, UnescapesQuotedValues)
{
    write("[HKEY_LOCAL_MACHINE\\K]\nV=\"a \\\"b\\\" \\\\ c\"\nEmpty=\"\"\n");
    EXPECT_EQ(Registry::readString(Registry::Root::LocalMachine, "K", "V"), "a \"b\" \\ c");
    EXPECT_EQ(Registry::readString(Registry::Root::LocalMachine, "K", "Empty"), "");
}

TEST_F(RegistryTest, MissingFileOrGarbageGivesNothing)
{
    write("\x01\x02 not an ini file [\n=\n[unterminated\nCompanyName=x\n");
    EXPECT_EQ(Registry::readString(Registry::Root::LocalMachine, "unterminated", "CompanyName"), std::nullopt);
    std::remove(m_Path.c_str());
    EXPECT_EQ(Registry::readString(Registry::Root::LocalMachine, "K", "V"), std::nullopt);
}

TEST_F(RegistryTest, APipeOrADeviceInPlaceOfTheFileGivesNothing)
{
    // Neither waits for a writer nor reads for ever.
    std::remove(m_Path.c_str());
    ASSERT_EQ(mkfifo(m_Path.c_str(), 0600), 0);
    EXPECT_EQ(Registry::readString(Registry::Root::LocalMachine, "K", "V"), std::nullopt);
    std::remove(m_Path.c_str());
    ASSERT_EQ(symlink("/dev/zero", m_Path.c_str()), 0);
    EXPECT_EQ(Registry::readString(Registry::Root::LocalMachine, "K", "V"), std::nullopt);
}

TEST(RegistryLocation, FollowsOverrideThenConfigHome)
{
    setenv("TELVARION_REGISTRY_FILE", "/somewhere/reg.ini", 1);
    EXPECT_EQ(Registry::filePath(), "/somewhere/reg.ini");
    unsetenv("TELVARION_REGISTRY_FILE");
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(Registry::filePath(), "/cfg/Telvarion/registry.ini");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/u", 1);
    EXPECT_EQ(Registry::filePath(), "/home/u/.config/Telvarion/registry.ini");
}

} // namespace
