#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "util/StringUtil.h"

using Util::numToStr;
using Util::splitString;
using Util::strToNum;

namespace
{
struct SplitCase
{
    std::string text;
    std::string delimiter;
    bool keepEmpty;
    bool trimEach;
    std::vector<std::string> pieces;
};

class SplitTest : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitTest, AppendsThePieces)
{
    const SplitCase& c = GetParam();
    std::vector<std::string> out;
    int count = splitString(c.text, c.delimiter, out, c.keepEmpty, c.trimEach);
    EXPECT_EQ(out, c.pieces);
    EXPECT_EQ(count, static_cast<int>(c.pieces.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTest,
    ::testing::Values(
        SplitCase{"a,,b", ",", false, false, {"a", "b"}}, SplitCase{"a,,b", ",", true, false, {"a", "", "b"}},
        SplitCase{"a,", ",", false, false, {"a"}}, SplitCase{"a,", ",", true, false, {"a", ""}},
        SplitCase{",", ",", false, false, {}}, SplitCase{",", ",", true, false, {"", ""}},
        SplitCase{"", ",", false, false, {}}, SplitCase{"", ",", true, false, {""}},
        SplitCase{"a, ,b", ",", false, true, {"a", "b"}}, SplitCase{"a, ,b", ",", true, true, {"a", "", "b"}},
        SplitCase{" x , y ", ",", false, true, {"x", "y"}}, SplitCase{"a::b", "::", false, false, {"a", "b"}},
        SplitCase{"a:::b", "::", false, false, {"a", ":b"}},
        // An empty delimiter cannot split: the text comes back whole.
        SplitCase{"abc", "", false, false, {"abc"}}, SplitCase{"", "", false, false, {}}));

TEST(SplitString, CountIncludesWhatOutHeldBefore)
{
    std::vector<std::string> out{"1", "2", "3"};
    EXPECT_EQ(splitString("x,y", ",", out), 5);
    EXPECT_EQ(out.back(), "y");
}

TEST(Trim, RemovesListedCharactersAtBothEnds)
{
    EXPECT_EQ(Util::trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(Util::trim("xxaxx", "x"), "a");
    EXPECT_EQ(Util::trim(" \t\r\n"), "");
    EXPECT_EQ(Util::trim(""), "");
}

TEST(StrToNum, ReadsIntegersWithTheirPrefixes)
{
    EXPECT_EQ(strToNum<int>("0x1f"), 31);
    EXPECT_EQ(strToNum<int>("0X1f"), 0);
    EXPECT_EQ(strToNum<int>(" 42abc"), 42);
    EXPECT_EQ(strToNum<int>(""), 0);
    EXPECT_EQ(strToNum<int>("abc"), 0);
    EXPECT_EQ(strToNum<int>("-17"), -17);
    EXPECT_EQ(strToNum<unsigned long>("0xFF"), 255UL);
    EXPECT_EQ(strToNum<unsigned long>("0xff0000ff"), 0xff0000ffUL);
    EXPECT_EQ(strToNum<int>("017", 8), 15);
    EXPECT_EQ(strToNum<int>("017", 0), 15);
    EXPECT_EQ(strToNum<int>("0x10", 0), 16);
}

TEST(StrToNum, ReadsFloatsInDecimalOnly)
{
    EXPECT_FLOAT_EQ(strToNum<float>("0x10"), 0.0f);
    EXPECT_FLOAT_EQ(strToNum<float>("2.5e1"), 25.0f);
    EXPECT_DOUBLE_EQ(strToNum<double>("-0.125"), -0.125);
}

TEST(StrToNum, OutOfRangeAndNegativeUnsignedReadZero)
{
    EXPECT_EQ(strToNum<int>("99999999999"), 0);
    EXPECT_EQ(strToNum<int>("-99999999999"), 0);
    EXPECT_EQ(strToNum<unsigned int>("-5"), 0U);
    EXPECT_EQ(strToNum<unsigned long>("  -1"), 0UL);
    EXPECT_EQ(strToNum<unsigned int>("+5"), 5U);
    EXPECT_EQ(strToNum<unsigned int>("4294967296"), 0U);
    EXPECT_FLOAT_EQ(strToNum<float>("1e999"), 0.0f);
}

TEST(NumToStr, WritesInTheGivenBase)
{
    EXPECT_EQ(numToStr<int>(255, 16, 0), "0xff");
    EXPECT_EQ(numToStr<int>(0, 16, 0), "0");
    EXPECT_EQ(numToStr<int>(-1, 16, 0), "0xffffffff");
    EXPECT_EQ(numToStr<int>(8, 8, 0), "010");
    EXPECT_EQ(numToStr<int>(-3, 10, 0), "-3");
    EXPECT_EQ(numToStr<int>(7, 3, 0), "7");
    // Padding goes in front of the sign, as the stream does by default.
    EXPECT_EQ(numToStr<int>(-3, 10, 4), "00-3");
    EXPECT_EQ(numToStr<unsigned long>(4000000000UL, 10, 0), "4000000000");
}

TEST(NumToStr, WritesFloatsWithSixSignificantDigits)
{
    EXPECT_EQ(numToStr<float>(0.5f, 10, 0), "0.5");
    EXPECT_EQ(numToStr<float>(100.0f, 10, 0), "100");
    EXPECT_EQ(numToStr<float>(2.5f, 16, 0), "2.5");
    EXPECT_EQ(numToStr<float>(1000000.0f, 10, 0).substr(0, 3), "1e+");
    EXPECT_EQ(numToStr<float>(0.0001f, 10, 0), "0.0001");
}

TEST(GetNumbers, AppendsEachText)
{
    std::vector<int> out{9};
    Util::getNumbers<int>({"1", "0x10", "x"}, out);
    EXPECT_EQ(out, (std::vector<int>{9, 1, 16, 0}));
}
} // namespace
