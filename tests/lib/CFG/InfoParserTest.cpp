#include "CFG/InfoParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
TEST(InfoParser, ReadsNumbers)
{
    CFG::Info info;
    info.add("HEX", "0x1F");
    info.add("UPPER_HEX", "0X1F");
    info.add("LEADING", " 12abc");
    info.add("WORD", "abc");
    info.add("FF", "0xff");
    info.add("NEG", "-5");
    info.add("EXP", "2.5e1");
    info.add("HEX10", "0x10");
    info.add("REF", "::HEX::");
    info.add("MILLION", "EVAL:(1000*1000)");
    info.add("BIG", "EVAL:(65536*65536)");
    info.add("TINY", "EVAL:(1/100000)");
    info.add("HALF", "EVAL:(0-7/2)");
    info.add("NEAR_MILLION", "EVAL:(999999.9)");
    const CFG::InfoParser parser(&info);

    EXPECT_EQ(parser.getNumber<int>("HEX"), 31);
    EXPECT_EQ(parser.getNumber<int>("UPPER_HEX"), 0);
    EXPECT_EQ(parser.getNumber<int>("LEADING"), 12);
    EXPECT_EQ(parser.getNumber<int>("WORD"), 0);
    EXPECT_EQ(parser.getNumber<int>("MISSING"), 0);
    EXPECT_EQ(parser.getNumber<unsigned long>("FF"), 255ul);
    EXPECT_EQ(parser.getNumber<unsigned int>("NEG"), 0u);
    EXPECT_EQ(parser.getNumber<int>("NEG"), -5);
    EXPECT_FLOAT_EQ(parser.getNumber<float>("EXP"), 25.0f);
    EXPECT_DOUBLE_EQ(parser.getNumber<double>("EXP"), 25.0);
    EXPECT_EQ(parser.getNumber<float>("HEX10"), 0.0f);
    EXPECT_EQ(parser.getNumber<int>("REF"), 31);

    // Calculated values read back whole, however large or small.
    EXPECT_EQ(parser.getNumber<int>("MILLION"), 1000000);
    EXPECT_EQ(parser.getNumber<unsigned int>("MILLION"), 1000000u);
    EXPECT_EQ(parser.getNumber<unsigned long>("BIG"), 4294967296ul);
    EXPECT_EQ(parser.getNumber<int>("BIG"), 0) << "out of range reads 0";
    EXPECT_FLOAT_EQ(parser.getNumber<float>("MILLION"), 1e6f);
    EXPECT_EQ(parser.getNumber<int>("TINY"), 0);
    EXPECT_FLOAT_EQ(parser.getNumber<float>("TINY"), 1e-5f);
    EXPECT_EQ(parser.getNumber<int>("HALF"), -3);
    EXPECT_EQ(parser.getNumber<int>("NEAR_MILLION"), 999999);
}

TEST(InfoParser, ReadsNumberLists)
{
    struct ListCase
    {
        const char* what;
        const char* value; // null: the key is missing
        std::string separator;
        bool keepEmpty;
        std::vector<int> before;
        int answer;
        std::vector<int> after;
    };
    const std::vector<ListCase> cases = {
        {"empty pieces dropped", "1, 2,,3", ",", false, {}, 3, {1, 2, 3}},
        {"empty pieces kept", "1, 2,,3", ",", true, {}, 4, {1, 2, 0, 3}},
        {"missing key", nullptr, ",", false, {}, 0, {}},
        {"missing key kept empty", nullptr, ",", true, {}, 1, {0}},
        {"appends after what is there", "1,2", ",", false, {7}, 2, {7, 1, 2}},
        {"whole separator", "1 ,, 2,3", ",,", false, {}, 2, {1, 2}},
        {"blank separator", " 10   20 0x10 ", " ", false, {}, 3, {10, 20, 16}},
    };
    for (const ListCase& c : cases)
    {
        SCOPED_TRACE(c.what);
        CFG::Info info;
        if (c.value)
        {
            info.add("LIST", c.value);
        }
        const CFG::InfoParser parser(&info);
        std::vector<int> out = c.before;
        EXPECT_EQ(parser.getNumbers<int>("LIST", out, c.separator, c.keepEmpty), c.answer);
        EXPECT_EQ(out, c.after);
    }

    CFG::Info info;
    info.add("F", "0.5, EVAL:(1/4)");
    info.add("U", "0xffffffff,4294967296");
    const CFG::InfoParser parser(&info);
    std::vector<float> floats;
    EXPECT_EQ(parser.getNumbers<float>("F", floats, ",", false), 2);
    EXPECT_EQ(floats, (std::vector<float>{0.5f, 0.0f})) << "only a whole value is calculated";
    std::vector<unsigned long> longs;
    EXPECT_EQ(parser.getNumbers<unsigned long>("U", longs, ",", false), 2);
    EXPECT_EQ(longs, (std::vector<unsigned long>{4294967295ul, 4294967296ul}));
}
} // namespace
