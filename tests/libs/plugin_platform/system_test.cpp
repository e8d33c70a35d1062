#include "Platform/app_data.h"
#include "Platform/resume_detector.h"
#include "Platform/string_table.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace {

class SteppedDetector : public Platform::ResumeDetector
{
public:
    std::int64_t suspended = 0;

protected:
    std::int64_t suspendedMs() const override { return suspended; }
};

TEST(ResumeDetector, ReportsEachJumpOnce)
{
    SteppedDetector detector;
    detector.suspended = 50000; // time asleep before the plug-in started is no resume
    EXPECT_FALSE(detector.poll());
    detector.suspended += 1500;
    EXPECT_FALSE(detector.poll());
    detector.suspended += 60000;
    EXPECT_TRUE(detector.poll());
    EXPECT_FALSE(detector.poll());
}

TEST(StringTable, ChoosesLanguageFromLocaleAndFallsBackToEnglish)
{
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    setenv("LANG", "fr_CA.UTF-8", 1);
    EXPECT_STREQ(Platform::StringTable::language(), "fr-CA");
    setenv("LANG", "fr_FR.UTF-8", 1);
    EXPECT_STREQ(Platform::StringTable::language(), "fr-FR");
    setenv("LC_ALL", "de_DE", 1);
    EXPECT_STREQ(Platform::StringTable::language(), "de-DE");
    EXPECT_EQ(Platform::WString(Platform::StringTable::load(109)), u"Conference");
    setenv("LC_ALL", "C", 1);
    EXPECT_STREQ(Platform::StringTable::language(), "en-US");
    EXPECT_EQ(Platform::WString(Platform::StringTable::load(102)), u"Unknown");
    EXPECT_EQ(Platform::WString(Platform::StringTable::load(123)), u"Add-in for supporting Polycom USB devices.");
    unsetenv("LC_ALL");
}

TEST(StringTable, UnknownIdsGiveNullWithError)
{
    for (unsigned id : {0u, 101u, 124u}) {
        errno = 0;
        EXPECT_EQ(Platform::StringTable::load(id), nullptr);
        EXPECT_EQ(errno, ENOENT);
    }
}

TEST(AppData, UsesDataHomeThenHome)
{
    setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(Platform::localAppDataFolder(), "/data/");
    setenv("XDG_DATA_HOME", "relative", 1); // not absolute: ignored, as the base directory rules say
    setenv("HOME", "/home/u", 1);
    EXPECT_EQ(Platform::localAppDataFolder(), "/home/u/.local/share/");
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    EXPECT_EQ(Platform::localAppDataFolder(), "");
}

} // namespace
