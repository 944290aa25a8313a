#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "MatSys/ShaderParams.h"
#include "MatSys/ShaderParamsIterator.h"

using MatSys::ShaderParam;
using MatSys::ShaderParams;

namespace
{
// One parameter as "name type vectorCount [slots up to the last non-zero one]".
std::string describe(const ShaderParam& param)
{
    int last = -1;
    for (int slot = 0; slot < ShaderParam::MAX_VALUES; ++slot)
        if (param.isFloat() ? param.values.f[slot] != 0.0f : param.values.i[slot] != 0)
            last = slot;
    std::ostringstream out;
    out << param.name << " " << param.type << " " << param.vectorCount << " [";
    for (int slot = 0; slot <= last; ++slot)
    {
        out << (slot > 0 ? " " : "");
        if (param.isFloat())
            out << param.values.f[slot];
        else
            out << param.values.i[slot];
    }
    out << "]";
    return out.str();
}

// The whole set in iteration order, parameters separated by "; ".
std::string describe(const ShaderParams& params)
{
    std::string text;
    for (ShaderParams::IteratorHandle it = params.getIterator(); !it->isDone(); it->next())
        text += (text.empty() ? "" : "; ") + describe(it->currentItem());
    return text;
}

std::string numbers(int from, int to)
{
    std::string text;
    for (int n = from; n <= to; ++n)
        text += (n > from ? "," : "") + std::to_string(n);
    return text;
}

struct LineCase
{
    const char* what;
    std::vector<std::string> lines;
    std::string expected;
};

void PrintTo(const LineCase& c, std::ostream* out)
{
    *out << c.what;
}

class ParameterLines : public testing::TestWithParam<LineCase>
{
};

TEST_P(ParameterLines, MakeTheExpectedSet)
{
    ShaderParams params;
    params.add(GetParam().lines);
    EXPECT_EQ(describe(params), GetParam().expected);
}

const std::string NINE_VECTORS_OF_FOUR = "p:4fv=" + numbers(1, 36);

INSTANTIATE_TEST_SUITE_P(
    Table, ParameterLines,
    testing::Values(
        LineCase{"plain", {"diffuse:4f=1,0.5,0,1"}, "diffuse 4f 0 [1 0.5 0 1]"},
        LineCase{"blanks everywhere", {" diffuse \t: 4f =  1 , 0.5 ,0 , 1 \r"}, "diffuse 4f 0 [1 0.5 0 1]"},
        LineCase{"two vectors of three", {"p:3fv=1,2,3,4,5,6"}, "p 3fv 2 [1 2 3 4 5 6]"},
        LineCase{"values that make no whole vector", {"p:3fv=1,2,3,4"}, "p 3fv 0 [1 2 3 4]"},
        LineCase{"nine vectors", {"p:1fv=" + numbers(1, 9)}, "p 1fv 9 [1 2 3 4 5 6 7 8 9]"},
        LineCase{"ten vectors are too many", {"p:1fv=" + numbers(1, 10)}, "p 1fv 0 [1 2 3 4 5 6 7 8 9 10]"},
        LineCase{
            "36 values fill every slot",
            {NINE_VECTORS_OF_FOUR},
            "p 4fv 9 [1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 "
            "32 33 34 35 36]"},
        LineCase{"37 values leave every slot 0", {"p:4fv=" + numbers(1, 37)}, "p 4fv 0 []"},
        LineCase{"integer vectors", {"v:2iv=1,2,3,4"}, "v 2iv 2 [1 2 3 4]"},
        LineCase{"a vector of five is no vector type", {"v:5fv=1,2,3,4,5"}, "v 5fv 0 [1 2 3 4 5]"},
        LineCase{"hexadecimal integer", {"h:1i=0x10"}, "h 1i 0 [16]"},
        LineCase{"hexadecimal needs a lower-case x", {"h:1i=0X10"}, "h 1i 0 []"},
        LineCase{"no hexadecimal floats", {"h:1f=0x10"}, "h 1f 0 []"},
        LineCase{"negative integers", {"n:2i=-3,0x7fffffff"}, "n 2i 0 [-3 2147483647]"},
        LineCase{"integer types cut fractions", {"n:1i=2.9"}, "n 1i 0 [2]"},
        LineCase{"text reads 0", {"n:2f=abc,3"}, "n 2f 0 [0 3]"},
        LineCase{"sampler unit", {"s:sampler2D=1"}, "s sampler2D 0 [1]"},
        LineCase{"two tokens are ignored", {"a:4f"}, ""},
        LineCase{"four tokens are ignored", {"a:4f=1=2"}, ""},
        LineCase{"a blank token counts", {"a: :4f=1"}, ""},
        LineCase{"no separators", {"just text", "", "  "}, ""},
        LineCase{"leading separator", {":a:1i=1"}, "a 1i 0 [1]"},
        LineCase{"trailing separator", {"a:1i=1:"}, "a 1i 0 [1]"},
        LineCase{"doubled separators", {"a::1i==1"}, "a 1i 0 [1]"},
        LineCase{"separators in the other order", {"a=1i:1"}, "a 1i 0 [1]"},
        LineCase{"empty and blank items are dropped",
                 {"a:2i=1,,2", "b:2i=1, \t,2,"},
                 "a 2i 0 [1 2]; b 2i 0 [1 2]"},
        LineCase{"a later line replaces the whole parameter",
                 {"c:4f=1,2,3,4", "c:4iv=5,6,7,8"},
                 "c 4iv 1 [5 6 7 8]"},
        LineCase{
            "replacement clears slots the new values do not reach", {"c:4i=1,2,3,4", "c:1i=9"}, "c 1i 0 [9]"},
        LineCase{
            "byte order of names", {"b:1i=1", "a:1i=2", "B:1i=3"}, "B 1i 0 [3]; a 1i 0 [2]; b 1i 0 [1]"}),
    [](const testing::TestParamInfo<LineCase>& info)
    {
        std::string name = info.param.what;
        for (char& c : name)
            if (!isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(ShaderParam, DefaultIsUnnamedAndEmpty)
{
    const ShaderParam param;
    EXPECT_EQ(describe(param), "UNNAMED_SHADER_PARAM  0 []");
    EXPECT_EQ(param.valueText, "");
}

TEST(ShaderParam, TooManyValuesKeepTheirText)
{
    const std::string text = numbers(1, 37);
    EXPECT_EQ(ShaderParam("p", "4fv", text).valueText, text);
}

TEST(ShaderParams, MergeLetsTheOtherSetWin)
{
    ShaderParams mine;
    mine.add(std::vector<std::string>{"b:1i=1", "c:1i=2"});
    ShaderParams other;
    other.add(std::vector<std::string>{"a:1i=3", "b:2f=4,5"});
    mine.merge(other);
    EXPECT_EQ(describe(mine), "a 1i 0 [3]; b 2f 0 [4 5]; c 1i 0 [2]");
    EXPECT_EQ(describe(other), "a 1i 0 [3]; b 2f 0 [4 5]");
}

TEST(ShaderParams, MergeIntoItselfChangesNothing)
{
    ShaderParams params;
    params.add("a:1i=1");
    params.merge(params);
    EXPECT_EQ(describe(params), "a 1i 0 [1]");
}

TEST(ShaderParams, CopiesChangeIndependently)
{
    ShaderParams source;
    source.add("a:1i=1");
    ShaderParams copy(source);
    EXPECT_EQ(describe(copy), describe(source));
    copy.add("a:1i=2");
    copy.add("b:1i=3");
    source.add("c:1i=4");
    EXPECT_EQ(describe(source), "a 1i 0 [1]; c 1i 0 [4]");
    EXPECT_EQ(describe(copy), "a 1i 0 [2]; b 1i 0 [3]");
}

TEST(ShaderParams, IteratorOfAnEmptySetIsDoneAtOnce)
{
    const ShaderParams params;
    ShaderParams::IteratorHandle it = params.getIterator();
    EXPECT_TRUE(it->isDone());
    EXPECT_EQ(it->currentItem().name, "UNNAMED_SHADER_PARAM");
    it->next();
    EXPECT_TRUE(it->isDone());
}

TEST(ShaderParams, IteratorStartsAgainWithFirst)
{
    ShaderParams params;
    params.add(std::vector<std::string>{"a:1i=1", "b:1i=2"});
    ShaderParams::IteratorHandle it = params.getIterator();
    it->next();
    it->next();
    ASSERT_TRUE(it->isDone());
    EXPECT_EQ(it->currentItem().name, "UNNAMED_SHADER_PARAM");
    it->first();
    EXPECT_EQ(it->currentItem().name, "a");
}

TEST(ShaderParams, FindGivesTheStoredParameterOrNull)
{
    ShaderParams params;
    params.add("a:1i=1");
    ASSERT_NE(params.find("a"), nullptr);
    EXPECT_EQ(params.find("a")->values.i[0], 1);
    EXPECT_EQ(params.find("b"), nullptr);
}
} // namespace
