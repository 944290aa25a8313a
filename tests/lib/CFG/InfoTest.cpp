#include "CFG/Info.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "support/TempDir.h"

namespace
{
struct Lookup
{
    const char* what;
    std::string text; // a whole configuration file
    std::string key;
    std::string expected;
};

class InfoTest : public ::testing::Test
{
protected:
    std::unique_ptr<CFG::Info> load(const std::string& text, CFG::Info* overrides = nullptr)
    {
        return std::make_unique<CFG::Info>(dir.write("test.cfg", text), overrides);
    }

    Testing::TempDir dir{"orvik-cfg"};
};

TEST_F(InfoTest, ParsesTheLineGrammar)
{
    const std::vector<Lookup> cases = {
        {"no trailing comments", "KEY == value # note\n", "KEY", "value # note"},
        {"indented comment", "   # A == 1\n", "A", ""},
        {"split at the first separator", "A == B == D\n", "A", "B == D"},
        {"a key line wins over a selector", "A ?? B == D\n", "A ?? B", "D"},
        {"empty key", "== x\n", "", "x"},
        {"keys keep their quotes", "\"Q\" == v\n", "\"Q\"", "v"},
        {"blanks inside quotes stay", "K == \"  padded  \"\n", "K", "  padded  "},
        {"lone closing quote", "K == abc\"\n", "K", "abc"},
        {"every quote at both ends goes", "K == \"\"x\"\"\n", "K", "x"},
        {"two quotes alone", "K == \"\"\n", "K", ""},
        {"empty value", "KEY ==\n", "KEY", ""},
        {"continued value", "K == \"one\ntwo\"\n", "K", "one\ntwo"},
        {"backslash joins", "K == \"one\\\ntwo\"\n", "K", "onetwo"},
        {"backslash n joins with a line feed", "K == \"one\\n\\\ntwo\"\n", "K", "one\ntwo"},
        {"continuation keeps leading blanks", "K == \"one\n   two\"\n", "K", "one\n   two"},
        {"empty line in a value adds nothing", "K == \"one\n\ntwo\"\n", "K", "one\ntwo"},
        {"line of blanks in a value adds a line", "K == \"one\n  \ntwo\"\n", "K", "one\n\ntwo"},
        {"continuation lines are raw", "K == \"a\n# x\nB == 1\nEND_OF_CFG_RESOURCES\"\n", "K",
         "a\n# x\nB == 1\nEND_OF_CFG_RESOURCES"},
        {"keys inside a value are not keys", "K == \"a\nB == 1\"\n", "B", ""},
        {"later line replaces", "A == 1\nA == 2\n", "A", "2"},
        {"CR LF line ends", "A == 1\r\nK == \"x\r\ny\"\r\n", "K", "x\ny"},
        {"CR LF plain value", "A == 1\r\nB == 2\r\n", "A", "1"},
        {"end marker stops reading", "A == 1\nEND_OF_CFG_RESOURCES\nB == 2\n", "B", ""},
        {"keys before the end marker", "A == 1\n  END_OF_CFG_RESOURCES  \nB == 2\n", "A", "1"},
        {"lone closing line at top level", "S\nA == 1\n", "A", "1"},
        {"other lines are ignored", "just words\nA == 1\n", "A", "1"},
    };
    for (const Lookup& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(load(c.text)->get(c.key), c.expected);
    }
}

TEST_F(InfoTest, ResolvesSelectorBlocks)
{
    const std::string block = "MODEL ?? QUALITY\nHIGH == big\n* == small\nQUALITY\n";
    const std::vector<Lookup> cases = {
        {"selected entry", block + "QUALITY == HIGH\n", "MODEL", "big"},
        {"default entry", block + "QUALITY == LOW\n", "MODEL", "small"},
        {"selector missing", block, "MODEL", "small"},
        {"no entry and no default", "MODEL ?? QUALITY\nHIGH == big\nQUALITY\n", "MODEL", ""},
        {"empty entry falls back", "M ?? Q\nHIGH ==\n* == d\nQ\nQ == HIGH\n", "M", "d"},
        {"entries are not top-level keys", block, "HIGH", ""},
        {"later plain key replaces a block", block + "MODEL == flat\n", "MODEL", "flat"},
        {"later block replaces a plain key", "MODEL == flat\n" + block, "MODEL", "small"},
        {"later block replaces every entry", block + "MODEL ?? Q2\nLOW == low\nQ2\nQUALITY == HIGH\n",
         "MODEL", ""},
        {"entry replaced only inside its block", "A == top\nM ?? S\nA == inner\nS\n", "A", "top"},
        {"end marker of the file is an entry line inside a block",
         "M ?? S\nEND_OF_CFG_RESOURCES\n* == 1\nS\n", "M", "1"},
        {"lines after a closed block", block + "AFTER == yes\n", "AFTER", "yes"},
        {"nested blocks select from the top level", "M ?? A\nX ?? B\nY == deep\nB\nA\nA == X\nB == Y\n", "M",
         "deep"},
        {"unclosed block swallows the rest", "M ?? S\nx == 1\nB == 2\n", "B", ""},
        {"header without selector closed by blanks", "N ??\n* == d\n   \nE == e\n", "N", "d"},
        {"blank-closed block goes on after", "N ??\n* == d\n   \nE == e\n", "E", "e"},
        {"empty selector key selects", "== k\nN ??\nk == chosen\n* == d\n \n", "N", "chosen"},
        {"selector value from a reference", "M ?? S\nbig == B\nS\nS == ::Q::\nQ == big\n", "M", "B"},
    };
    for (const Lookup& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(load(c.text)->get(c.key), c.expected);
    }
}

TEST_F(InfoTest, UnterminatedQuoteFailsTheLoad)
{
    const std::string text = "A == 1\nM ?? S\n* == 2\nS\nK == \"abc\n";
    CFG::Info info;
    EXPECT_FALSE(info.addConfig(dir.write("bad.cfg", text)));
    EXPECT_EQ(info.get("A"), "1");
    EXPECT_EQ(info.get("M"), "2");
    EXPECT_EQ(info.get("K"), "");

    // A quote left open inside a block fails too.
    CFG::Info inBlock;
    EXPECT_FALSE(inBlock.addConfig(dir.write("block.cfg", "A == 1\nM ?? S\nK == \"x\n")));
    EXPECT_EQ(inBlock.get("A"), "1");

    // The constructor that reads a file leaves nothing behind, not even what the companion adds.
    dir.write("bad.cfg.MOD", "B == 2\n");
    CFG::Info built(dir.path("bad.cfg"), nullptr);
    std::vector<std::string> keys{"stale"};
    built.keys(keys);
    EXPECT_TRUE(keys.empty());

    // The companion is still read by addConfig.
    CFG::Info added;
    EXPECT_FALSE(added.addConfig(dir.path("bad.cfg")));
    EXPECT_EQ(added.get("B"), "2");
}

TEST_F(InfoTest, DeeplyNestedBlocksFailTheLoadInsteadOfTheStack)
{
    // Blocks nested a hundred deep still work.
    std::string nested = "B";
    for (int i = 0; i < 100; ++i)
    {
        nested += " ?? S" + std::to_string(i) + "\n*";
    }
    nested += " == deep\n";
    for (int i = 99; i >= 0; --i)
    {
        nested += "S" + std::to_string(i) + "\n";
    }
    EXPECT_EQ(load(nested)->get("B"), "deep");

    // Every line opening a block that is never closed nests one level more.
    std::string endless;
    for (int i = 0; i < 100000; ++i)
    {
        endless += "K" + std::to_string(i) + " ?? S\n";
    }
    CFG::Info info;
    info.add("KEPT", "1");
    EXPECT_FALSE(info.addConfig(dir.write("endless.cfg", "A == 1\n" + endless)));
    EXPECT_EQ(info.get("KEPT"), "1");
    EXPECT_EQ(info.get("A"), "1");
}

TEST_F(InfoTest, LoadResults)
{
    CFG::Info info;
    EXPECT_TRUE(info.addConfig(dir.write("ok.cfg", "A == 1\n")));
    EXPECT_TRUE(info.addConfig(dir.write("unclosed.cfg", "M ?? S\nx == 1\n")));
    EXPECT_FALSE(info.addConfig(dir.path("missing.cfg")));
    EXPECT_FALSE(info.addConfig(dir.write("empty.cfg", "")));
    EXPECT_FALSE(info.addConfig(dir.path("")));
    EXPECT_EQ(info.get("A"), "1");
}

TEST_F(InfoTest, CompanionFilesChain)
{
    const std::string base = dir.write("a.cfg", "A == base\nB == base\nC == base\nD == base\n");
    dir.write("a.cfg.MOD", "B == mod\nC == mod\nD ==\n");
    dir.write("a.cfg.MOD.MOD", "C == modmod\n");
    CFG::Info info(base, nullptr);
    EXPECT_EQ(info.get("A"), "base");
    EXPECT_EQ(info.get("B"), "mod");
    EXPECT_EQ(info.get("C"), "modmod");
    EXPECT_EQ(info.get("D"), "") << "an empty companion value blanks the earlier one";

    // The chain stops at the first missing or empty link.
    Testing::TempDir other("orvik-cfg");
    other.write("b.cfg", "A == base\n");
    other.write("b.cfg.MOD", "");
    other.write("b.cfg.MOD.MOD", "A == unreachable\n");
    CFG::Info stopped(other.path("b.cfg"), nullptr);
    EXPECT_EQ(stopped.get("A"), "base");

    // The end marker stops only its own file: the companion is still read.
    other.write("e.cfg", "A == base\nEND_OF_CFG_RESOURCES\nB == hidden\n");
    other.write("e.cfg.MOD", "C == mod\n");
    CFG::Info ended(other.path("e.cfg"), nullptr);
    EXPECT_EQ(ended.get("B"), "");
    EXPECT_EQ(ended.get("C"), "mod");

    // Without the main file no companion is read.
    other.write("c.cfg.MOD", "A == orphan\n");
    CFG::Info orphan;
    EXPECT_FALSE(orphan.addConfig(other.path("c.cfg")));
    EXPECT_EQ(orphan.get("A"), "");
}

TEST_F(InfoTest, AddDefinesOneKeyAsALine)
{
    struct AddCase
    {
        const char* what;
        std::string key;
        std::string value;
        bool result;
        std::string lookup;
        std::string expected;
    };
    const std::vector<AddCase> cases = {
        {"plain", "A", "1", true, "A", "1"},
        {"trimmed", "  A ", "  1 ", true, "A", "1"},
        {"quotes removed", "A", "\"x\"", true, "A", "x"},
        {"open quote stores nothing", "A", "\"x", false, "A", ""},
        {"comment key stores nothing", "# A", "1", true, "# A", ""},
        {"key cut at its separator", "A == B", "1", true, "A", "B == 1"},
        {"empty value", "A", "", true, "A", ""},
    };
    for (const AddCase& c : cases)
    {
        SCOPED_TRACE(c.what);
        CFG::Info info;
        EXPECT_EQ(info.add(c.key, c.value), c.result);
        EXPECT_EQ(info.get(c.lookup), c.expected);
    }

    CFG::Info info;
    info.add("A", "1");
    info.add("A", "2");
    EXPECT_EQ(info.get("A"), "2");
    std::vector<std::string> keys;
    info.add("# c", "x");
    info.keys(keys);
    EXPECT_EQ(keys, std::vector<std::string>{"A"});
}

TEST_F(InfoTest, KeysListsTheTopLevelInByteOrder)
{
    auto info = load("b == 1\nA == 2\nM ?? S\ninner == 3\nS\nE ==\n");
    std::vector<std::string> keys{"old", "stuff"};
    info->keys(keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"A", "E", "M", "b"}));

    info->reset();
    info->keys(keys);
    EXPECT_TRUE(keys.empty());
}

TEST_F(InfoTest, ReplacesReferences)
{
    CFG::Info info;
    info.add("W", "640");
    info.add("H", "::W::x2");
    info.add("E", "EVAL:(::W:: / 2)");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"x::W::y", "x640y"},
        {"::Z::", ""},
        {"x::W", "x::W"},
        {"a::b c::d", "a::b c::d"},
        {"a::::b", "a::::b"},
        {"::", "::"},
        {"", ""},
        {"::W::::W::", "640640"},
        {"::H::", "640x2"},
        {"[::E::]", "[320]"},
        {"a::\tb::c", "a::\tb::c"},
        {"::W::::", "640::"},
        {"EVAL:(1+1)", "EVAL:(1+1)"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(info.replaceKeys(c.first), c.second);
    }
}

TEST_F(InfoTest, CalculatesValues)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"EVAL:(1+2)px", "3px"},
        {"EVAL:(2+3*4)", "20"},
        {"EVAL:(::W:: / 2)", "320"},
        {"EVAL:(1/4)", "0.25"},
        {"EVAL:(1+2", "1"},
        {"EVAL:()", "0"},
        {"EVAL:(", "0"},
        {"EVAL:((1+2)*3)tail)", "9tail)"},
        {"EVAL:(1)EVAL:(2)", "1EVAL:(2)"},
        {"\" EVAL:(1)\"", " EVAL:(1)"},
        {"x EVAL:(1)", "x EVAL:(1)"},
        {"::F::", "3"},
        {"EVAL:(-7/2)", "-3.5"},
        // Large and tiny results are written without an exponent so integer readers get them right.
        {"EVAL:(1000*1000)", "1000000"},
        {"EVAL:(0-1000*1000)", "-1000000"},
        {"EVAL:(1000000+0.5)", "1000000.5"},
        {"EVAL:(1<<30)", "1073741824"},
        {"EVAL:(1/100000)", "0.00001"},
        {"EVAL:(1/123456)", "0.00000810005"},
        {"EVAL:(999999)", "999999"},
        // Six significant digits would round these up to "1e+06".
        {"EVAL:(999999.9)", "999999.875"},
        {"EVAL:(0-999999.9)", "-999999.875"},
        {"EVAL:(0.000099999)", "0.000099999"},
        {"EVAL:(1/10000)", "0.0001"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.first);
        CFG::Info info;
        info.add("W", "640");
        info.add("F", "EVAL:(1+2)");
        info.add("K", c.first);
        EXPECT_EQ(info.get("K"), c.second);
    }

    CFG::Info info;
    info.add("K", "EVAL:(1/0)");
    EXPECT_EQ(info.get("K"), "inf");
}

TEST_F(InfoTest, CyclesAnswerEmptyInsteadOfRecursingForever)
{
    const std::vector<Lookup> cases = {
        {"self reference", "A == ::A::\n", "A", ""},
        {"self reference with text", "A == x::A::y\n", "A", "xy"},
        {"two-key cycle", "A == ::B::\nB == ::A::\n", "A", ""},
        {"three-key cycle", "A == ::B::\nB == ::C::\nC == ::A::\n", "B", ""},
        // Doubling references would take forever under a mere depth limit.
        {"doubling self reference", "A == ::A::::A::::A::\n", "A", ""},
        {"doubling cycle", "A == ::B::::B::\nB == ::A::::A::\n", "A", ""},
        {"self selector", "A ?? A\nx == 1\nA\n", "A", ""},
        {"self selector with default", "A ?? A\n* == z\nA\n", "A", "z"},
        {"selector cycle through a reference", "A ?? S\n* == d\nS\nS == ::A::\n", "A", "d"},
        {"cycle inside a calculation", "A == EVAL:(::A::+1)\n", "A", "1"},
        {"a key used twice is no cycle", "A == ::B::-::B::\nB == b\n", "A", "b-b"},
    };
    for (const Lookup& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(load(c.text)->get(c.key), c.expected);
    }

    // A long chain of distinct keys is cut at a fixed depth instead of exhausting the stack.
    CFG::Info chain;
    const int length = 100000;
    for (int i = 0; i < length; ++i)
    {
        chain.add("K" + std::to_string(i), "::K" + std::to_string(i + 1) + "::");
    }
    chain.add("K" + std::to_string(length), "end");
    EXPECT_EQ(chain.get("K0"), "");
    EXPECT_EQ(chain.get("K" + std::to_string(length - 10)), "end");
}

TEST_F(InfoTest, OverridesAreAskedFirst)
{
    CFG::Info overrides;
    auto info = load("MODEL ?? QUALITY\nHIGH == big\n* == small\nQUALITY\nQUALITY == HIGH\nA == own\n"
                     "P == plain\nEMPTY == configured\nR == ::P::\n",
                     &overrides);
    EXPECT_EQ(info->get("MODEL"), "big");

    overrides.add("HIGH", "huge");
    EXPECT_EQ(info->get("MODEL"), "huge") << "an entry name is looked up in the overrides";
    overrides.add("MODEL", "other");
    EXPECT_EQ(info->get("MODEL"), "other");
    overrides.add("QUALITY", "LOW");
    overrides.reset();
    EXPECT_EQ(info->get("MODEL"), "big") << "lookups follow the overrides' current contents";

    overrides.add("EMPTY", "");
    EXPECT_EQ(info->get("EMPTY"), "configured") << "an empty override does not count";

    overrides.add("P", "forced");
    EXPECT_EQ(info->get("R"), "forced") << "references go through the overrides";

    // The override store resolves its references in its own keys only.
    overrides.add("A", "::B::");
    info->add("B", "mine");
    EXPECT_EQ(info->get("A"), "own");

    // An override's own calculation is done before it is answered.
    overrides.add("C", "EVAL:(2*3)");
    EXPECT_EQ(info->get("C"), "6");

    // Overrides are not listed among the store's keys and survive its reset.
    info->reset();
    EXPECT_EQ(info->get("P"), "forced");
    std::vector<std::string> keys;
    info->keys(keys);
    EXPECT_TRUE(keys.empty());
}

TEST(InfoCopy, StoresCannotBeCopied)
{
    static_assert(!std::is_copy_constructible<CFG::Info>::value, "a store owns its nodes");
    static_assert(!std::is_copy_assignable<CFG::Info>::value, "a store owns its nodes");
    EXPECT_STREQ(CFG::Info::keyValueSeparator(), "==");
}
} // namespace
