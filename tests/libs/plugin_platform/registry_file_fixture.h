#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace PlatformTest {

// Points the registry layer at a private file that each test writes as it needs.
class RegistryFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/telvarion-registry-XXXXXX";
        const int fd = mkstemp(pattern);
        ASSERT_GE(fd, 0);
        close(fd);
        m_Path = pattern;
        setenv("TELVARION_REGISTRY_FILE", m_Path.c_str(), 1);
    }

    void TearDown() override
    {
        unsetenv("TELVARION_REGISTRY_FILE");
        std::remove(m_Path.c_str());
    }

    void write(const std::string& text) { std::ofstream(m_Path, std::ios::binary) << text; }

    std::string m_Path;
};

} // namespace PlatformTest
