#include "telvarion_headphones/logger.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Connector::Logger;

// A logger of its own over a private folder; lines carry only what a test looks at.
class LoggerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_Folder = std::filesystem::temp_directory_path() / ("telvarion-logger-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_Folder);
        m_SavedDataHome = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
        setenv("XDG_DATA_HOME", m_Folder.c_str(), 1);
        ASSERT_TRUE(m_Logger.Initialize("\\Marlowane\\Tavoro\\test.log"));
        m_Logger.deleteFiles();
        m_Logger.setPattern("[%l] %n%m");
    }

    void TearDown() override
    {
        setenv("XDG_DATA_HOME", m_SavedDataHome.c_str(), 1);
        std::error_code ignored;
        std::filesystem::remove_all(m_Folder, ignored);
    }

    std::vector<std::string> lines(const std::string& path) const
    {
        std::ifstream file(path, std::ios::binary);
        std::vector<std::string> result;
        std::string line;
        while (std::getline(file, line)) {
            EXPECT_FALSE(line.empty());
            EXPECT_EQ(line.back(), '\r');
            line.pop_back();
            result.push_back(line);
        }
        return result;
    }
    std::vector<std::string> lines() const { return lines(m_Logger.filePath()); }

    std::filesystem::path m_Folder;
    std::string m_SavedDataHome;
    Logger m_Logger;
};

TEST_F(LoggerTest, FileLivesInTheDataFolderWithItsBackupBeside)
{
    std::filesystem::create_directories(m_Folder / "Marlowane/Tavoro");
    EXPECT_EQ(m_Logger.filePath(), (m_Folder / "Marlowane/Tavoro/test.log").string());
    EXPECT_EQ(m_Logger.backupPath(), m_Logger.filePath() + ".bak");
    EXPECT_FALSE(m_Logger.Initialize("other.log"));
    EXPECT_EQ(lines(), std::vector<std::string>{"[ INFO] Attempt to initialize the logger twice"});
}

TEST_F(LoggerTest, DefaultFilterWritesFatalToInfoOnly)
{
    std::filesystem::create_directories(m_Folder / "Marlowane/Tavoro");
    for (int level = Connector::LogFatal; level <= Connector::LogTick; ++level)
        m_Logger.write(level, Connector::CategoryApi, "level %d", level);
    m_Logger.dump(Connector::CategoryHidReports, "dump");
    m_Logger.write(9, Connector::CategoryApi, "beyond");
    const std::vector<std::string> expected = {"[FATAL] level 1", "[ERROR] level 2", "[ WARN] level 3",
                                               "[ INFO] level 4", "[     ] dump"};
    EXPECT_EQ(lines(), expected);
}

struct FilterCase
{
    int mode;
    int level;
    std::uint32_t category;
    bool written;
};

class LoggerFilter : public ::testing::TestWithParam<FilterCase>
{
};

TEST_P(LoggerFilter, FollowsModeLevelAndMask)
{
    Logger logger;
    logger.setFilterMode(GetParam().mode);
    logger.setLevel(Connector::LogWarn);
    logger.setCategoryMask(Connector::CategoryApi | Connector::CategoryPhone);
    EXPECT_EQ(logger.passes(GetParam().level, GetParam().category), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Modes, LoggerFilter,
                         ::testing::Values(FilterCase{0, Connector::LogTick, Connector::CategoryPhone, true},
                                           FilterCase{0, Connector::LogFatal, Connector::CategoryHid, false},
                                           FilterCase{1, Connector::LogWarn, Connector::CategoryHid, true},
                                           FilterCase{1, Connector::LogInfo, Connector::CategoryApi, false},
                                           FilterCase{2, Connector::LogError, Connector::CategoryApi, true},
                                           FilterCase{2, Connector::LogError, Connector::CategoryHid, false},
                                           FilterCase{2, Connector::LogDebug, Connector::CategoryApi, false},
                                           FilterCase{3, Connector::LogFatal, Connector::CategoryApi, false},
                                           FilterCase{0, Connector::LogDump, Connector::CategoryApi, true},
                                           FilterCase{2, Connector::LogDump, Connector::CategoryHid, false},
                                           FilterCase{1, Connector::LogDump, Connector::CategoryHid, true}));

TEST_F(LoggerTest, FullLogMovesToBackupReplacingTheOlderOne)
{
    std::filesystem::create_directories(m_Folder / "Marlowane/Tavoro");
    std::ofstream(m_Logger.backupPath()) << "older backup\r\n";
    m_Logger.setSizeLimit(40);
    m_Logger.information(Connector::CategoryApi, "first line, 24 bytes");  // 30 with level and CRLF
    m_Logger.information(Connector::CategoryApi, "second line");           // written: size was below the limit
    EXPECT_EQ(lines().size(), 2u);
    m_Logger.information(Connector::CategoryApi, "third line");            // size reached: rotated first
    EXPECT_EQ(lines(), std::vector<std::string>{"[ INFO] third line"});
    const std::vector<std::string> backup = {"[ INFO] first line, 24 bytes", "[ INFO] second line"};
    EXPECT_EQ(lines(m_Logger.backupPath()), backup);

    m_Logger.deleteFiles();
    EXPECT_FALSE(std::filesystem::exists(m_Logger.filePath()));
    EXPECT_FALSE(std::filesystem::exists(m_Logger.backupPath()));
}

TEST_F(LoggerTest, PatternTokensAndUnknownTokens)
{
    std::filesystem::create_directories(m_Folder / "Marlowane/Tavoro");
    m_Logger.setPattern("%x %l|%c|%i|%m%q%");
    m_Logger.warning(Connector::CategoryPhone, "%ws=%d", u"\u00E9t\u00E9", 5);
    m_Logger.setPattern(nullptr);
    m_Logger.error(Connector::CategorySound, "default");
    const std::vector<std::string> written = lines();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_TRUE(std::regex_match(written[0], std::regex("%x  WARN\\|00001000\\|0x[0-9a-f]{8}\\|\xC3\xA9t\xC3\xA9=5%q%")))
        << written[0];
    EXPECT_TRUE(std::regex_match(
        written[1],
        std::regex("\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}\\.\\d{3} \\[ERROR\\] \\[00004000\\] 0x[0-9a-f]{8} default")))
        << written[1];
}

TEST_F(LoggerTest, LongLinesAreCut)
{
    std::filesystem::create_directories(m_Folder / "Marlowane/Tavoro");
    m_Logger.setPattern("%m");
    m_Logger.information(Connector::CategoryApi, "%s", std::string(5000, 'x').c_str());
    const std::vector<std::string> written = lines();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].size(), Logger::LineCapacity - 1);
}

TEST_F(LoggerTest, NestedScopesIndentPerThread)
{
    std::filesystem::create_directories(m_Folder / "Marlowane/Tavoro");
    m_Logger.setLevel(Connector::LogTrace);
    m_Logger.setPattern("%n%m");
    {
        Connector::ScopeTracer outer(Connector::LogTrace, Connector::CategoryPhone, "Outer", "connectors/a.cpp", 10,
                                     false, m_Logger);
        {
            Connector::ScopeTracer inner(Connector::LogTrace, Connector::CategoryPhone, "Inner", "connectors/b.cpp", 20,
                                         false, m_Logger);
            m_Logger.information(Connector::CategoryPhone, "inside");
            std::thread([this] { m_Logger.information(Connector::CategoryPhone, "other thread"); }).join();
        }
        // Not written at DEBUG: it must leave the indentation alone.
        Connector::ScopeTracer hidden(Connector::LogTick, Connector::CategoryPhone, "Hidden", "connectors/c.cpp", 30,
                                      false, m_Logger);
        m_Logger.information(Connector::CategoryPhone, "after");
    }
    const std::vector<std::string> expected = {"Entering Outer (connectors/a.cpp:10)",
                                               "  Entering Inner (connectors/b.cpp:20)",
                                               "    inside",
                                               "other thread",
                                               "  Leaving Inner",
                                               "  after",
                                               "Leaving Outer"};
    EXPECT_EQ(lines(), expected);
    EXPECT_EQ(m_Logger.indentation(), 0);
}

TEST_F(LoggerTest, TimedScopeReportsItsDuration)
{
    std::filesystem::create_directories(m_Folder / "Marlowane/Tavoro");
    m_Logger.setLevel(Connector::LogTrace);
    m_Logger.setPattern("%m");
    {
        Connector::ScopeTracer timed(Connector::LogTrace, Connector::CategoryApi, "Timed", "x.cpp", 1, true, m_Logger);
    }
    const std::vector<std::string> written = lines();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_TRUE(std::regex_match(written[1], std::regex("Leaving Timed \\(Operation took 0 days, 0 hours, 0 minutes, "
                                                        "\\d+ seconds and \\d+ milliseconds\\)")))
        << written[1];
}

TEST_F(LoggerTest, MissingFolderGoesToDebugOutputOnly)
{
    // The logger does not create its folder; writing must neither fail loudly nor create it.
    m_Logger.information(Connector::CategoryApi, "nowhere");
    EXPECT_FALSE(std::filesystem::exists(m_Folder / "Marlowane"));
}

TEST(LoggerErrorText, BuffersArePerThread)
{
    const char* mine = Logger::errorText(ENOENT);
    const std::string expected = mine;
    std::string theirs;
    std::thread([&theirs] { theirs = Logger::errorText(EACCES); }).join();
    EXPECT_EQ(std::string(mine), expected);
    EXPECT_NE(theirs, expected);
    EXPECT_FALSE(theirs.empty());
}

TEST(LoggerErrorText, ComResults)
{
    EXPECT_STREQ(Logger::comErrorText(static_cast<std::int32_t>(0x80040201u)), "IDispatch error #1");
    EXPECT_STREQ(Logger::comErrorText(static_cast<std::int32_t>(0x8004FFFFu)), "IDispatch error #65023");
    EXPECT_STREQ(Logger::comErrorText(static_cast<std::int32_t>(0x80004005u)), "Unknown error 0x80004005");
}

TEST(LoggerSourcePath, StartsAtTheConnectorsFolder)
{
    EXPECT_STREQ(Connector::traceSourcePath("/work/x/connectors/telvarion_headphones/a.cpp"),
                 "connectors/telvarion_headphones/a.cpp");
    EXPECT_STREQ(Connector::traceSourcePath("other/a.cpp"), "other/a.cpp");
}

} // namespace
