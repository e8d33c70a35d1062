#include "Polyphone/last_dialed_number_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

class LastDialedNumber : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/lastdial_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_Folder = pattern;
        m_Path = (m_Folder / "lastdial.txt").string();
    }
    void TearDown() override { fs::remove_all(m_Folder); }

    std::string fileBytes() const
    {
        std::ifstream file(m_Path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    void writeBytes(const std::string& bytes) const { std::ofstream(m_Path, std::ios::binary) << bytes; }

    fs::path m_Folder;
    std::string m_Path;
};

} // namespace

TEST_F(LastDialedNumber, RoundTripsAsUtf16LittleEndianWithoutMarkOrTerminator)
{
    Connector::LastDialedNumberFile file(m_Path);
    ASSERT_TRUE(file.store(u"+4930*1#"));
    EXPECT_EQ(fileBytes(), std::string("+\0" "4\0" "9\0" "3\0" "0\0" "*\0" "1\0" "#\0", 16));
    const Platform::WChar* number = file.load();
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(Platform::WString(number), u"+4930*1#");

    // A shorter number replaces the file whole.
    ASSERT_TRUE(file.store(u"12"));
    EXPECT_EQ(fileBytes(), std::string("1\0" "2\0", 4));
}

TEST_F(LastDialedNumber, TwentyDigitsFitAndLongerFilesAreCut)
{
    Connector::LastDialedNumberFile file(m_Path);
    ASSERT_TRUE(file.store(u"12345678901234567890"));
    EXPECT_EQ(Platform::WString(file.load()), u"12345678901234567890");

    writeBytes(std::string("1\0", 2) + std::string(60, '\0').replace(0, 2, std::string("2\0", 2)));
    // Only the first 40 bytes count; a NUL unit among them is not a dialable number.
    EXPECT_EQ(file.load(), nullptr);

    std::string many;
    for (int i = 0; i < 25; ++i)
        many += std::string("7\0", 2);
    writeBytes(many);
    EXPECT_EQ(Platform::WString(file.load()), Platform::WString(20, u'7'));
}

TEST_F(LastDialedNumber, MissingEmptyOrDamagedFilesGiveNoNumber)
{
    Connector::LastDialedNumberFile file(m_Path);
    EXPECT_EQ(file.load(), nullptr); // missing

    writeBytes("");
    EXPECT_EQ(file.load(), nullptr);

    writeBytes("5"); // half a character
    EXPECT_EQ(file.load(), nullptr);

    writeBytes(std::string("1\0" "2\0" "3", 5)); // a trailing odd byte is dropped
    EXPECT_EQ(Platform::WString(file.load()), u"12");

    writeBytes("rm -rf /"); // 8-bit text read as UTF-16 is not a number
    EXPECT_EQ(file.load(), nullptr);
}

TEST_F(LastDialedNumber, AnUnwritableFolderFailsCleanly)
{
    Connector::LastDialedNumberFile file((m_Folder / "missing" / "lastdial.txt").string());
    EXPECT_FALSE(file.store(u"123"));
    EXPECT_EQ(file.load(), nullptr);
}

TEST_F(LastDialedNumber, AFileInUseKeepsItsNumberWhenItCannotBeReplaced)
{
    Connector::LastDialedNumberFile file(m_Path);
    ASSERT_TRUE(file.store(u"123"));
    const int reader = ::open(m_Path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    ASSERT_EQ(::flock(reader, LOCK_SH), 0);

    EXPECT_FALSE(file.store(u"456"));
    EXPECT_EQ(fileBytes(), std::string("1\0" "2\0" "3\0", 6));

    ::close(reader);
    EXPECT_TRUE(file.store(u"456"));
    EXPECT_EQ(Platform::WString(file.load()), u"456");
}
