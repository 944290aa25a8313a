#include "CFG/CFG.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/TextFile.h"
#include "support/TempDir.h"

namespace
{
// The stores are process-wide: every test starts and ends with both empty.
class GlobalConfigTest : public ::testing::Test
{
protected:
    GlobalConfigTest() { clear(); }
    ~GlobalConfigTest() override { clear(); }
    static void clear()
    {
        CFG::global()->reset();
        CFG::getDefaultOverrides()->reset();
    }

    Testing::TempDir dir{"orvik-cfg"};
};

TEST_F(GlobalConfigTest, OverridesWinOverTheConfiguration)
{
    ASSERT_TRUE(CFG::setConfig(dir.write("orvik.cfg", "WIDTH == 640\nNAME == maze\nDEPTH == 3\n")));
    CFG::Info* overrides = CFG::getDefaultOverrides();
    overrides->add("WIDTH", "800");
    overrides->add("NAME", "");

    EXPECT_EQ(CFG::get("WIDTH"), "800");
    EXPECT_EQ(CFG::parser()->getNumber<int>("WIDTH"), 800);
    EXPECT_EQ(CFG::parser()->getNumber<float>("WIDTH"), 800.0f);
    EXPECT_EQ(CFG::get("NAME"), "maze") << "an empty override does not count";

    // A sub-configuration store over the same overrides answers them too.
    CFG::Info sub(dir.write("sub.cfg", "WIDTH == 100\nOWN == ::DEPTH::\n"), CFG::getDefaultOverrides());
    EXPECT_EQ(sub.get("WIDTH"), "800");
    EXPECT_EQ(sub.get("OWN"), "") << "a sub-configuration does not see the global store";

    // An override added later is seen at the next lookup, by every store.
    overrides->add("DEPTH", "9");
    EXPECT_EQ(CFG::parser()->getNumber<int>("DEPTH"), 9);
    EXPECT_EQ(sub.get("OWN"), "9");
}

TEST_F(GlobalConfigTest, SetConfigForgetsTheFirstFileButKeepsOverrides)
{
    dir.write("first.cfg.MOD", "FROM_MOD == yes\n");
    ASSERT_TRUE(CFG::setConfig(dir.write("first.cfg", "A == 1\nSHARED == first\n")));
    CFG::getDefaultOverrides()->add("O", "kept");
    EXPECT_EQ(CFG::get("FROM_MOD"), "yes");

    ASSERT_TRUE(CFG::setConfig(dir.write("second.cfg", "B == 2\n")));
    EXPECT_EQ(CFG::get("A"), "");
    EXPECT_EQ(CFG::get("FROM_MOD"), "");
    EXPECT_EQ(CFG::get("B"), "2");
    EXPECT_EQ(CFG::get("O"), "kept");

    // addConfig layers a further file over what is there.
    ASSERT_TRUE(CFG::addConfig(dir.write("third.cfg", "B == 3\nC == 3\n")));
    EXPECT_EQ(CFG::get("B"), "3");
    EXPECT_EQ(CFG::get("C"), "3");

    // A missing file empties the store and answers false.
    EXPECT_FALSE(CFG::setConfig(dir.path("missing.cfg")));
    EXPECT_EQ(CFG::get("B"), "");
    EXPECT_FALSE(CFG::addConfig(dir.path("missing.cfg")));
}

TEST_F(GlobalConfigTest, AccessorsAnswerTheSameObjects)
{
    EXPECT_EQ(CFG::parser(), CFG::parser());
    EXPECT_EQ(CFG::parser()->info, CFG::global());
    EXPECT_EQ(CFG::global(), CFG::global());
    EXPECT_NE(CFG::global(), CFG::getDefaultOverrides());
    EXPECT_EQ(CFG::getDefaultOverrides(), CFG::getDefaultOverrides());
}

TEST_F(GlobalConfigTest, ShaderSourcesTakeReferencesButNoCalculation)
{
    CFG::global()->add("LIGHTS", "4");
    CFG::getDefaultOverrides()->add("QUALITY", "high");
    const std::string file =
        dir.write("shader.vert", "#define LIGHTS ::LIGHTS::\r\n// ::QUALITY::\n\nEVAL:(1+1)\nx::y z::w");
    std::string out = "old";
    ASSERT_TRUE(Files::TextFile::loadAndReplaceCfg(CFG::global(), file, out, "\n"));
    EXPECT_EQ(out, "#define LIGHTS 4\n// high\n\nEVAL:(1+1)\nx::y z::w\n");

    out = "untouched";
    EXPECT_FALSE(Files::TextFile::loadAndReplaceCfg(CFG::global(), dir.path("missing.vert"), out, "\n"));
    EXPECT_EQ(out, "untouched");
}
} // namespace

// Built by a static object of this test's own source: whichever source the linker puts first, the
// override store must already be usable and outlive the global store.
namespace
{
struct EarlyUser
{
    EarlyUser()
    {
        CFG::getDefaultOverrides()->add("EARLY_OVERRIDE", "1");
        answered = CFG::get("EARLY_OVERRIDE");
        CFG::getDefaultOverrides()->reset();
    }
    ~EarlyUser()
    {
        // Runs after both stores were built, so both are still alive here.
        CFG::global()->add("AT_EXIT", "1");
        CFG::getDefaultOverrides()->add("AT_EXIT", "2");
        if (CFG::get("AT_EXIT") != "2")
        {
            std::abort();
        }
    }
    std::string answered;
};
EarlyUser g_earlyUser;

TEST(GlobalConfigOrder, StoresAreUsableDuringStaticInitialisation)
{
    EXPECT_EQ(g_earlyUser.answered, "1");
}
} // namespace
