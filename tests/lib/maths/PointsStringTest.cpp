#include "maths/PointsString.h"
#include "maths/PointsStringXY.h"
#include "maths/PointsStringZY.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

using MathStuff::PointsString;
using MathStuff::PointsStringXY;
using MathStuff::PointsStringZY;
using MathStuff::Vector3;

namespace
{
void expectPoint(const Vector3<float>& actual, float x, float y, float z)
{
    EXPECT_FLOAT_EQ(actual.x, x);
    EXPECT_FLOAT_EQ(actual.y, y);
    EXPECT_FLOAT_EQ(actual.z, z);
}
} // namespace

TEST(PointsStringTest, StringToPointByPieceCountAndPlane)
{
    const PointsStringXY xy(5);
    const PointsStringZY zy(5);
    struct Case
    {
        const PointsString* parser;
        std::string text;
        Vector3<float> expected;
    };
    const Case cases[] = {
        {&xy, "1,2", {1, 2, 5}},
        {&zy, "1,2", {5, 2, 1}},
        {&xy, "1,2,3", {1, 2, 3}},
        {&zy, "1,2,3", {1, 2, 3}},
        {&xy, " -1.5 ,\t2.25\r\n", {-1.5f, 2.25f, 5}},
        // An empty piece is dropped, so this is two numbers.
        {&xy, "1,,2", {1, 2, 5}},
        {&zy, ",1,,2,", {5, 2, 1}},
        {&xy, "1, ,2,3", {1, 2, 3}},
        // One number, four or more, or nothing at all: the origin, not the default.
        {&xy, " 7 ", {0, 0, 0}},
        {&zy, "7", {0, 0, 0}},
        {&xy, "1,2,3,4", {0, 0, 0}},
        {&xy, "", {0, 0, 0}},
        {&xy, ",,", {0, 0, 0}},
        // Text that is not a number reads 0; numbers are always decimal.
        {&xy, "a,b", {0, 0, 5}},
        {&xy, "0x10,3", {0, 3, 5}},
        {&xy, "2abc,3", {2, 3, 5}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE("'" + c.text + (c.parser == &zy ? "' ZY" : "' XY"));
        expectPoint(c.parser->stringToPoint(c.text), c.expected.x, c.expected.y, c.expected.z);
    }
}

TEST(PointsStringTest, SetDefaultReplacesTheMissingCoordinate)
{
    PointsStringXY xy(5);
    xy.setDefault(-2);
    expectPoint(xy.stringToPoint("1,2"), 1, 2, -2);
    PointsString zy(0, true);
    zy.setDefault(9);
    expectPoint(zy.stringToPoint("1,2"), 9, 2, 1);
}

TEST(PointsStringTest, ParseGivesOnePointPerToken)
{
    const PointsStringXY xy(0);
    std::vector<Vector3<float>> out;
    EXPECT_TRUE(xy.parse("0,0 1,0 1,1", out, false));
    ASSERT_EQ(out.size(), 3u);
    expectPoint(out[0], 0, 0, 0);
    expectPoint(out[1], 1, 0, 0);
    expectPoint(out[2], 1, 1, 0);

    // Any run of blanks, tabs and line breaks separates tokens, leading and trailing runs give none.
    EXPECT_TRUE(xy.parse("\r\n 1,2,3\t\t4,5 \n6,7,8\r\n", out, false));
    ASSERT_EQ(out.size(), 3u);
    expectPoint(out[0], 1, 2, 3);
    expectPoint(out[1], 4, 5, 0);
    expectPoint(out[2], 6, 7, 8);

    // A blank after a comma cuts the point in two, and each half is a token of one number.
    EXPECT_TRUE(xy.parse("1, 2", out, false));
    ASSERT_EQ(out.size(), 2u);
    expectPoint(out[0], 0, 0, 0);
    expectPoint(out[1], 0, 0, 0);
}

TEST(PointsStringTest, ParseEmptiesOrAppends)
{
    const PointsStringZY zy(3);
    std::vector<Vector3<float>> out(2, Vector3<float>(9, 9, 9));

    EXPECT_TRUE(zy.parse("1,2", out, true));
    ASSERT_EQ(out.size(), 3u);
    expectPoint(out[0], 9, 9, 9);
    expectPoint(out[2], 3, 2, 1);

    for (const char* blank : {"", " \t\r\n "})
    {
        SCOPED_TRACE(std::string("'") + blank + "'");
        std::vector<Vector3<float>> kept = out;
        EXPECT_TRUE(zy.parse(blank, kept, true));
        EXPECT_EQ(kept.size(), 3u);
        EXPECT_TRUE(zy.parse(blank, kept, false));
        EXPECT_TRUE(kept.empty());
    }

    EXPECT_TRUE(zy.parse("4,5", out, false));
    ASSERT_EQ(out.size(), 1u);
    expectPoint(out[0], 3, 5, 4);
}

TEST(PointsStringTest, ParseReadsEachTokenThroughTheOverridableReader)
{
    // A reader that reads every token its own way: parse must hand each token to it.
    class Tagged : public PointsString
    {
    public:
        Tagged() : PointsString(0, false) {}
        Vector3<float> stringToPoint(const std::string& text) const override
        {
            return Vector3<float>(static_cast<float>(text.size()), 0, 0);
        }
    };
    const Tagged tagged;
    std::vector<Vector3<float>> out;
    EXPECT_TRUE(tagged.parse("a bb,c 1,2,3", out, false));
    ASSERT_EQ(out.size(), 3u);
    EXPECT_FLOAT_EQ(out[0].x, 1);
    EXPECT_FLOAT_EQ(out[1].x, 4);
    EXPECT_FLOAT_EQ(out[2].x, 5);
}
