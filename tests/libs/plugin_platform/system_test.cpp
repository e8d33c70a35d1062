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

struct LocaleCase
{
    const char* locale;
    const char* language;
    const char16_t* available;  // 105
    const char16_t* incoming;   // 113
};

// Every language of the table has all 22 texts, its own where a language has its own word.
TEST(StringTable, EveryLanguageHasItsTexts)
{
    const LocaleCase cases[] = {
        {"C", "en-US", u"Available", u"Incoming call"},
        {"de_DE.UTF-8", "de-DE", u"Verfügbar", u"Eingehender Anruf"},
        {"en_US.UTF-8", "en-US", u"Available", u"Incoming call"},
        {"fr_FR.UTF-8", "fr-FR", u"Disponible", u"Appel entrant"},
        {"fr_CA.UTF-8", "fr-CA", u"Disponible", u"Appel entrant"},
        {"it_IT.UTF-8", "it-IT", u"Disponibile", u"Chiamata in arrivo"},
        {"ja_JP.UTF-8", "ja-JP", u"連絡可能", u"着信"},
        {"ko_KR.UTF-8", "ko-KR", u"사용 가능", u"수신 전화"},
        {"zh_CN.UTF-8", "zh-CN", u"空闲", u"来电"},
        {"es_ES.UTF-8", "es-ES", u"Disponible", u"Llamada entrante"},
    };
    unsetenv("LC_MESSAGES");
    unsetenv("LANG");
    for (const LocaleCase& c : cases) {
        setenv("LC_ALL", c.locale, 1);
        EXPECT_STREQ(Platform::StringTable::language(), c.language) << c.locale;
        EXPECT_EQ(Platform::WString(Platform::StringTable::load(105)), c.available) << c.locale;
        EXPECT_EQ(Platform::WString(Platform::StringTable::load(113)), c.incoming) << c.locale;
        for (unsigned id = Platform::StringTable::FirstId; id <= Platform::StringTable::LastId; ++id) {
            const Platform::WChar* text = Platform::StringTable::load(id);
            ASSERT_NE(text, nullptr) << c.locale << " " << id;
            EXPECT_FALSE(Platform::WString(text).empty()) << c.locale << " " << id;
        }
        // The duration keeps its format and the vendor its name in every language.
        EXPECT_EQ(Platform::WString(Platform::StringTable::load(119)), u"%2u:%02u") << c.locale;
        EXPECT_EQ(Platform::WString(Platform::StringTable::load(122)), u"Marlowane Inc") << c.locale;
    }
    unsetenv("LC_ALL");
}

TEST(StringTable, ChoosesLanguageFromLocaleVariables)
{
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    setenv("LANG", "fr_CA.UTF-8", 1);
    EXPECT_STREQ(Platform::StringTable::language(), "fr-CA");
    EXPECT_EQ(Platform::WString(Platform::StringTable::load(104)), u"Disponible pour clavarder");
    setenv("LANG", "fr_FR.UTF-8", 1);
    EXPECT_EQ(Platform::WString(Platform::StringTable::load(104)), u"Disponible pour discuter");
    setenv("LC_ALL", "de_DE", 1);
    EXPECT_STREQ(Platform::StringTable::language(), "de-DE");
    EXPECT_EQ(Platform::WString(Platform::StringTable::load(109)), u"Konferenz");
    // A language the table does not carry reads English.
    setenv("LC_ALL", "pt_BR.UTF-8", 1);
    EXPECT_STREQ(Platform::StringTable::language(), "en-US");
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
