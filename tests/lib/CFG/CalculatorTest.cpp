#include "CFG/Calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace
{
float calculate(const std::string& expression)
{
    CFG::Calculator calculator(expression);
    return calculator.parse();
}

TEST(Calculator, EvaluatesStrictlyLeftToRight)
{
    const std::vector<std::pair<std::string, float>> cases = {
        {"1+2*3", 9.0f},      {"1+(2*3)", 7.0f},  {"10-2-3", 5.0f},
        {"(1+2)*3", 9.0f},    {"((2))", 2.0f},    {" 7 ", 7.0f},
        {"+5", 5.0f},         {"-3+1", -2.0f},    {"2*-3", -6.0f},
        {"2--3", 5.0f},       {"2+*3", 6.0f},     {"7/2", 3.5f},
        {"\t1 +\r\n2", 3.0f}, {"1<<4", 16.0f},    {"1<<33", 2.0f},
        {"-1>>28", 15.0f},    {"5.9<<1", 10.0f},  {"-1<<0", 4294967296.0f},
        {"2>1", 1.0f},        {"2>=2", 1.0f},     {"1<1", 0.0f},
        {"3<=2", 0.0f},       {"1<2<3", 1.0f},    {"1+2)*3", 3.0f},
        {"(1+2", 3.0f},       {"2 3", 2.0f},      {"1.5.2+1", 1.5f},
        {"abc", 0.0f},        {"", 0.0f},         {"1e3", 1000.0f},
        {"1e3+1", 1000.0f},   {"16>>2<<1", 8.0f}, {"0.1*3", 0.1f * 3.0f},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.first);
        EXPECT_FLOAT_EQ(calculate(c.first), c.second);
    }
}

TEST(Calculator, DivisionByZeroFollowsIeee)
{
    EXPECT_TRUE(std::isinf(calculate("1/0")));
    EXPECT_TRUE(std::isnan(calculate("0/0")));
    EXPECT_EQ(calculate("(0/0)>1"), 0.0f);
    EXPECT_EQ(calculate("(0/0)<=1"), 0.0f);
}

TEST(Calculator, ShiftsOfOperandsBeyondIntegersUseZero)
{
    CFG::Calculator calculator("");
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<std::pair<float, float>> operands = {
        {inf, 1.0f}, {-inf, 1.0f}, {nan, 1.0f}, {1e30f, 1.0f}, {-1e30f, 1.0f}, {9.3e18f, 1.0f},
    };
    for (const auto& o : operands)
    {
        SCOPED_TRACE(o.first);
        EXPECT_EQ(calculator.doCalculation(o.first, "<<", o.second), 0.0f);
        EXPECT_EQ(calculator.doCalculation(o.first, ">>", o.second), 0.0f);
    }
    // A count beyond integers counts as 0: the value passes unshifted.
    for (float count : {inf, -inf, nan, 1e30f})
    {
        SCOPED_TRACE(count);
        EXPECT_EQ(calculator.doCalculation(3.0f, "<<", count), 3.0f);
        EXPECT_EQ(calculator.doCalculation(3.0f, ">>", count), 3.0f);
    }
    // The largest magnitudes that fit 64 bits still shift by their low 32 bits.
    EXPECT_EQ(calculator.doCalculation(-9.2233720e18f, ">>", 0.0f), 0.0f);
    EXPECT_EQ(calculate("(1/0)<<1"), 0.0f);
    EXPECT_EQ(calculate("1<<(1/0)"), 1.0f);
}

TEST(Calculator, TokensAndNumbersAtTheFront)
{
    CFG::Calculator calculator("  <<= 12.5e1x");
    EXPECT_EQ(calculator.nextToken(), "<<");
    EXPECT_EQ(calculator.nextToken(), "<<") << "nextToken does not consume";
    EXPECT_EQ(calculator.getNextToken(), "<<");
    EXPECT_EQ(calculator.getNextToken(), "");
    calculator.skipToken("=");
    EXPECT_FLOAT_EQ(calculator.getNumber(), 125.0f);
    EXPECT_EQ(calculator.nextToken(), "") << "the exponent stays unconsumed";
    calculator.skipToken("a very long token");
    EXPECT_EQ(calculator.getNumber(), 0.0f);
}

TEST(Calculator, DeepNestingEndsTheEvaluationInsteadOfTheStack)
{
    EXPECT_EQ(calculate(std::string(100, '(') + "1+2" + std::string(100, ')') + "*3"), 9.0f);
    EXPECT_EQ(calculate(std::string(100000, '(') + "1+2"), 0.0f);
    EXPECT_EQ(calculate("5+" + std::string(100000, '(') + "1"), 5.0f);
}

TEST(CalculatorDeathTest, UnknownOperatorIsAFatalReport)
{
    const std::string report =
        "^ABORT: Func:float CFG::Calculator::doCalculation\\(float, const std::string&, "
        "float\\) File:lib/CFG/Calculator Line: 144\n"
        "ABORT: Unknown operator: \\(\n$";
    for (const char* expression : {"2(3)", "(1)(2)", "-(2)"})
    {
        SCOPED_TRACE(expression);
        EXPECT_DEATH(calculate(expression), report);
    }
}
} // namespace
