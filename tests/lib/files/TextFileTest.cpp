#include "files/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "support/TempDir.h"

namespace
{
class TextFileTest : public ::testing::Test
{
protected:
    std::string read(const std::string& name) const
    {
        std::ifstream in(dir.path(name), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    Testing::TempDir dir{"orvik-files"};
};

TEST_F(TextFileTest, LoadAppendsLinesWithTheSeparator)
{
    struct LoadCase
    {
        const char* what;
        std::string bytes;
        std::string expected; // loaded with the separator "|" after "old"
    };
    const std::vector<LoadCase> cases = {
        {"empty line gets a line feed", "a\n\nb\n", "olda|\nb|"},
        {"last line without line feed", "a\n\nb", "olda|\nb|"},
        {"CR LF like LF", "a\r\n\r\nb\r\n", "olda|\nb|"},
        {"CR LF without the last line feed", "a\r\n\r\nb", "olda|\nb|"},
        {"only a line feed", "\n", "old\n"},
        {"blanks stay", " x \t\n", "old x \t|"},
        {"lone CR inside a line stays", "a\rb\n", "olda\rb|"},
    };
    for (const LoadCase& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::string out = "old";
        EXPECT_TRUE(Files::TextFile::load(dir.write("f.txt", c.bytes), out, "|"));
        EXPECT_EQ(out, c.expected);
    }
}

TEST_F(TextFileTest, NothingToReadGivesSizeZeroAndNoLoad)
{
    std::filesystem::create_directories(dir.path("dir"));
    dir.write("empty.txt", "");
    for (const std::string& name :
         {dir.path("missing.txt"), dir.path("empty.txt"), dir.path("dir"), std::string()})
    {
        SCOPED_TRACE(name);
        EXPECT_EQ(Files::TextFile::size(name), 0);
        std::string out = "untouched";
        EXPECT_FALSE(Files::TextFile::load(name, out, "\n"));
        EXPECT_EQ(out, "untouched");
    }
    EXPECT_EQ(Files::TextFile::size(dir.write("five.txt", "ab\r\nc")), 5);

    // A file that cannot be read counts as nothing; a privileged user reads it all the same.
    const std::string locked = dir.write("locked.txt", "A == 1\n");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    if (::access(locked.c_str(), R_OK) != 0)
    {
        EXPECT_EQ(Files::TextFile::size(locked), 0);
        std::string out = "untouched";
        EXPECT_FALSE(Files::TextFile::load(locked, out, "\n"));
        EXPECT_EQ(out, "untouched");
    }
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
}

TEST_F(TextFileTest, SaveWritesEachLineAndReportsFailures)
{
    ASSERT_TRUE(Files::TextFile::save(dir.path("lines.txt"), std::vector<std::string>{"one", "", "three"}));
    EXPECT_EQ(read("lines.txt"), "one\n\nthree\n");
    ASSERT_TRUE(Files::TextFile::save(dir.path("lines.txt"), std::string("short")));
    EXPECT_EQ(read("lines.txt"), "short\n") << "the file is truncated";
    ASSERT_TRUE(Files::TextFile::save(dir.path("none.txt"), std::vector<std::string>{}));
    EXPECT_EQ(read("none.txt"), "");

    std::filesystem::create_directories(dir.path("dir"));
    EXPECT_FALSE(Files::TextFile::save(dir.path("dir"), std::string("x")));
    EXPECT_FALSE(Files::TextFile::save(dir.path("no/such/dir/f.txt"), std::string("x")));
    if (std::filesystem::exists("/dev/full"))
    {
        // The buffered bytes fail only when they go out.
        EXPECT_FALSE(Files::TextFile::save("/dev/full", std::string("x")));
    }
}

class Upper : public Files::I_KeyReplacer
{
public:
    std::string replaceKeys(const std::string& text) const override { return "[" + text + "]"; }
};

TEST_F(TextFileTest, LoadAndReplaceHandsTheTextToTheReplacer)
{
    const Upper replacer;
    std::string out = "old";
    ASSERT_TRUE(Files::TextFile::loadAndReplaceCfg(&replacer, dir.write("s.txt", "a\nb"), out, ";"));
    EXPECT_EQ(out, "[a;b;]") << "out is replaced, not appended to";

    out = "untouched";
    EXPECT_FALSE(Files::TextFile::loadAndReplaceCfg(&replacer, dir.path("missing.txt"), out, ";"));
    EXPECT_EQ(out, "untouched");
}
} // namespace
