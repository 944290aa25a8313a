#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <sstream>
#include <vector>

#include "util/CallBack1.h"
#include "util/Debug.h"
#include "util/DeleteIt.h"
#include "util/FirstEquals.h"
#include "util/NumUtil.h"
#include "util/Singleton.h"

namespace
{
struct Tagged
{
    int value;
    char tag;
    bool operator<(const Tagged& other) const { return value < other.value; }
};

TEST(NumUtil, TiesAndBoundsFollowTheirRules)
{
    EXPECT_EQ(Util::PERCENT_OF<int>(50, 3), 1);
    EXPECT_EQ(Util::PERCENT_OF<int>(-50, 3), -1);
    EXPECT_EQ(Util::PERCENT_OF<int>(INT_MAX, 200), INT_MAX);
    EXPECT_EQ(Util::PERCENT_OF<int>(INT_MIN, 200), INT_MIN);
    EXPECT_FLOAT_EQ(Util::PERCENT_OF<float>(50.0f, 3.0f), 1.5f);

    // On a tie MIN and MAX give the second argument.
    EXPECT_EQ(Util::MIN(Tagged{2, 'a'}, Tagged{2, 'b'}).tag, 'b');
    EXPECT_EQ(Util::MAX(Tagged{2, 'a'}, Tagged{2, 'b'}).tag, 'b');
    EXPECT_EQ(Util::MIN(Tagged{1, 'a'}, Tagged{2, 'b'}).tag, 'a');
    EXPECT_EQ(Util::MAX(Tagged{3, 'a'}, Tagged{2, 'b'}).tag, 'a');
    EXPECT_EQ(Util::ABS(-4), 4);
    EXPECT_EQ(Util::ABS(4), 4);
    EXPECT_EQ(Util::ABS(INT_MIN), INT_MAX) << "saturates instead of overflowing";
    EXPECT_FLOAT_EQ(Util::CLAMP(5.0f, 0.0f, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(Util::CLAMP(-1.0f, 0.0f, 1.0f), 0.0f);
    EXPECT_FLOAT_EQ(Util::CLAMP(0.5f, 0.0f, 1.0f), 0.5f);
    EXPECT_EQ(Util::WRAP_INC(4, 0, 3), 0);
    EXPECT_EQ(Util::WRAP_INC(2, 0, 3), 2);
    EXPECT_EQ(Util::WRAP_DEC(-1, 0, 3), 3);
    EXPECT_EQ(Util::WRAP_DEC(1, 0, 3), 1);
}

struct Counted
{
    static int constructed;
    static int destroyed;
    Counted() { ++constructed; }
    ~Counted() { ++destroyed; }
};
int Counted::constructed = 0;
int Counted::destroyed = 0;

TEST(DeleteIt, DeletesEachOwnedPointerAndSkipsNull)
{
    Counted::destroyed = 0;
    std::vector<Counted*> owned{new Counted, nullptr, new Counted};
    std::for_each(owned.begin(), owned.end(), Util::DeleteIt());
    EXPECT_EQ(Counted::destroyed, 2);

    std::vector<Counted*> typed{new Counted, nullptr};
    std::for_each(typed.begin(), typed.end(), Util::DeleteIt<Counted*>());
    EXPECT_EQ(Counted::destroyed, 3);
}

TEST(FirstEquals, FindsThePairWithTheKey)
{
    std::vector<std::pair<int, char>> units{{0, 'a'}, {3, 'b'}};
    auto it =
        std::find_if(units.begin(), units.end(),
                     [](const std::pair<int, char>& p) { return Util::first_equals<int, char>()(p, 3); });
    ASSERT_NE(it, units.end());
    EXPECT_EQ(it->second, 'b');
}

struct Adder
{
    int total = 0;
    int add(int v) { return total += v; }
};

TEST(CallBack1, CallsTheMemberOnItsObject)
{
    Adder adder;
    Util::CallBack1<Adder, int, int> cb(&adder, &Adder::add);
    EXPECT_EQ(cb(3), 3);
    EXPECT_EQ(cb.invoke(4), 7);
    EXPECT_EQ(adder.total, 7);
}

struct OnlyOne : public Util::Singleton<OnlyOne>
{
    OnlyOne() { ++built; }
    static int built;
};
int OnlyOne::built = 0;

TEST(Singleton, BuildsOneInstanceOnFirstUse)
{
    OnlyOne& first = OnlyOne::instance();
    OnlyOne& second = OnlyOne::instance();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(OnlyOne::built, 1);
}

TEST(Debug, StartsWithItsFixedFlags)
{
    Util::Debug& debug = Util::Singleton<Util::Debug>::instance();
    EXPECT_EQ(debug.debugFlags, 0x0Eu);
    EXPECT_EQ(debug.errStream, &std::cerr);
}

void reportFault(const std::string& what)
{
    ABORT("Unknown operator: " << what);
}

void reportFaultAtLine()
{
    ABORT_AT_LINE(144, "at a fixed line");
}

TEST(DebugDeathTest, FatalReportWritesTwoLinesThenAborts)
{
    EXPECT_DEATH(reportFault("%"), "^ABORT: Func:void \\{anonymous\\}::reportFault\\(const std::string&\\) "
                                   "File:tests/lib/util/SmallTemplatesTest Line: [0-9]+\n"
                                   "ABORT: Unknown operator: %\n$");
    EXPECT_DEATH(reportFaultAtLine(),
                 "File:tests/lib/util/SmallTemplatesTest Line: 144\nABORT: at a fixed line\n$");
}
} // namespace
