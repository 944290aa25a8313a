#include <gtest/gtest.h>

#include <pthread.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "CFG/Info.h"
#include "support/TempDir.h"

namespace
{
// The deepest lookup any file can set off must fit in this much stack, in every build.
const std::size_t LOOKUP_STACK = 512 * 1024;
const int MAX_NESTING = 128;

// Runs fn on a thread of its own with a stack of LOOKUP_STACK bytes.
void onSmallStack(const std::function<void()>& fn)
{
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, LOOKUP_STACK);
    pthread_t thread;
    auto run = [](void* arg) -> void*
    {
        (*static_cast<const std::function<void()>*>(arg))();
        return nullptr;
    };
    ASSERT_EQ(0, pthread_create(&thread, &attr, run, const_cast<std::function<void()>*>(&fn)));
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
}

std::string key(const std::string& prefix, int i)
{
    return prefix + std::to_string(i);
}

// PREFIX1 == ::PREFIX2:: and so on; the last of count keys refers to last (or holds "end" when last is
// empty).
std::string chain(const std::string& prefix, int count, const std::string& last = "")
{
    std::string text;
    for (int i = 1; i < count; ++i)
        text += key(prefix, i) + " == ::" + key(prefix, i + 1) + "::\n";
    text += key(prefix, count) + " == " + (last.empty() ? "end" : "::" + last + "::") + "\n";
    return text;
}

// B ?? S1, whose default entry is a block ?? S2, and so on count blocks deep; the innermost default is
// "deep". No selector key is defined, so every block falls back on its default.
std::string blocks(int count)
{
    std::string text = "B";
    for (int i = 1; i <= count; ++i)
        text += " ?? " + key("S", i) + "\n*";
    text += " == deep\n";
    for (int i = count; i >= 1; --i)
        text += key("S", i) + "\n";
    return text;
}

struct Nesting
{
    const char* what;
    std::string file;
    std::string settings; // the override store's file; none when empty
    std::string key;
    std::string expected;
};

TEST(LookupBounds, NestingOfOneLookupIsBoundedAsAWhole)
{
    // A lookup of a key is one step, and asks the override store first, one step deeper; a selector block
    // is one step and looks up its selector key one step deeper still.
    const std::vector<Nesting> cases = {
        {"references at the bound", chain("K", MAX_NESTING), "", "K1", "end"},
        {"references past the bound", chain("K", MAX_NESTING + 1), "", "K1", ""},
        {"with overrides at the bound", chain("K", MAX_NESTING - 1), "UNUSED == 1\n", "K1", "end"},
        {"with overrides past the bound", chain("K", MAX_NESTING), "UNUSED == 1\n", "K1", ""},
        {"blocks at the bound", blocks(MAX_NESTING - 2), "", "B", "deep"},
        {"blocks past the bound", blocks(MAX_NESTING - 1), "", "B", ""},
        {"into the override store at the bound", chain("M", 63, "O1"), chain("O", MAX_NESTING - 64), "M1",
         "end"},
        {"into the override store past the bound", chain("M", 63, "O1"), chain("O", MAX_NESTING - 63), "M1",
         ""},
        // Each of these alone overflowed a stack of several megabytes before.
        {"block chains behind references",
         []
         {
             std::string text;
             for (int k = 1; k <= 64; ++k)
             {
                 std::string block = key("K", k);
                 for (int i = 1; i <= 250; ++i)
                     block += " ?? " + key("S", i) + "\n*";
                 block += " == ::" + key("K", k + 1) + "::\n";
                 for (int i = 250; i >= 1; --i)
                     block += key("S", i) + "\n";
                 text += block;
             }
             return text + "K65 == end\n";
         }(),
         "", "K1", ""},
        {"long chains in both stores", chain("M", 100, "O1"), chain("O", 100), "M1", ""},
    };
    for (const Nesting& c : cases)
    {
        SCOPED_TRACE(c.what);
        Testing::TempDir dir{"orvik-cfg"};
        CFG::Info overrides;
        if (!c.settings.empty())
        {
            ASSERT_TRUE(overrides.addConfig(dir.write("settings.cfg", c.settings)));
        }
        CFG::Info info(dir.write("main.cfg", c.file), c.settings.empty() ? nullptr : &overrides);
        std::string answer = "not run";
        onSmallStack([&] { answer = info.get(c.key); });
        EXPECT_EQ(answer, c.expected);
        // A lookup past the bound leaves the next one unharmed.
        EXPECT_EQ(info.get(key(c.key.substr(0, 1), 1) + "x"), "");
    }
}

TEST(LookupBounds, ReferencesThatFanOutAreCutOff)
{
    // Each line names the next key four times: sixteen lines would build a value of gigabytes.
    const auto fanOut = [](int lines)
    {
        CFG::Info info;
        for (int i = 0; i < lines; ++i)
        {
            const std::string next = "::" + key("F", i + 1) + "::";
            info.add(key("F", i), next + next + next + next);
        }
        info.add(key("F", lines), "x");
        return info.get("F0");
    };
    // A few levels still resolve completely.
    EXPECT_EQ(fanOut(4), std::string(256, 'x'));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(fanOut(16), "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));

    // The text one lookup builds is bounded too: a megabyte referenced twice is fine, five times is not.
    CFG::Info info;
    info.add("BIG", std::string(1 << 20, 'b'));
    info.add("TWICE", "::BIG::::BIG::");
    info.add("FIVE", "::BIG::::BIG::::BIG::::BIG::::BIG::");
    EXPECT_EQ(info.get("TWICE").size(), 2u << 20);
    EXPECT_EQ(info.get("FIVE"), "");
    EXPECT_EQ(info.replaceKeys("a::FIVE::b"), "");
    // Each lookup has a budget of its own.
    EXPECT_EQ(info.get("TWICE").size(), 2u << 20);
    EXPECT_EQ(info.replaceKeys("a::TWICE::b").size(), (2u << 20) + 2);
}
} // namespace
