#include "CFG/Calculator.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "util/Debug.h"
#include "util/StringUtil.h"

namespace CFG
{
namespace
{
const int MAX_NESTING = 256;

void dropLeadingBlanks(std::string& text)
{
    const std::size_t first = text.find_first_not_of(Util::BLANKS);
    text.erase(0, first == std::string::npos ? text.size() : first);
}

// Truncates toward zero; a value that is not finite or does not fit 64 bits counts as 0 rather than
// reaching an undefined conversion.
std::int64_t toInt64(float v)
{
    const float limit = 9223372036854775808.0f; // 2^63
    if (!std::isfinite(v) || v >= limit || v < -limit)
    {
        return 0;
    }
    return static_cast<std::int64_t>(v);
}
} // namespace

#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
void (*g_fuzzUnknownOperator)(const std::string& op) = nullptr;
#endif

Calculator::Calculator(const std::string& expression) : rest(expression) {}

std::string Calculator::nextToken()
{
    // Two-character tokens come before their one-character prefixes so they are taken whole.
    static const std::vector<std::string> l_validTokens = {"(",  ")",  "+",  "-",  "*", "/",
                                                           "<<", ">>", ">=", "<=", ">", "<"};
    dropLeadingBlanks(rest);
    for (const std::string& token : l_validTokens)
    {
        if (rest.compare(0, token.size(), token) == 0)
        {
            return token;
        }
    }
    return "";
}

void Calculator::skipToken(std::string token)
{
    rest.erase(0, token.size());
}

std::string Calculator::getNextToken()
{
    std::string token = nextToken();
    skipToken(token);
    return token;
}

float Calculator::getNumber()
{
    dropLeadingBlanks(rest);
    std::size_t end = (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) ? 1 : 0;
    bool pointSeen = false;
    for (; end < rest.size(); ++end)
    {
        const char c = rest[end];
        if (c == '.' && !pointSeen)
        {
            pointSeen = true;
        }
        else if (c < '0' || c > '9')
        {
            break;
        }
    }
    const float value = Util::strToNum<float>(rest, 10);
    rest.erase(0, end);
    return value;
}

float Calculator::parse()
{
    return parseLevel(0);
}

float Calculator::parseLevel(int depth)
{
    // Each "(" nests one call; an expression nested deeper than any sensible one would exhaust the
    // stack, so it reads 0 and ends the evaluation.
    if (depth > MAX_NESTING)
    {
        rest.clear();
        return 0.0f;
    }
    float v;
    if (nextToken() == "(")
    {
        skipToken("(");
        v = parseLevel(depth + 1);
    }
    else
    {
        v = getNumber();
    }
    for (;;)
    {
        const std::string op = getNextToken();
        if (op.empty() || op == ")")
        {
            return v;
        }
        float w;
        if (nextToken() == "(")
        {
            skipToken("(");
            w = parseLevel(depth + 1);
        }
        else
        {
            w = getNumber();
        }
        v = doCalculation(v, op, w);
    }
}

float Calculator::doCalculation(float a, const std::string& op, float b)
{
    if (op == "+")
    {
        return a + b;
    }
    if (op == "-")
    {
        return a - b;
    }
    if (op == "*")
    {
        return a * b;
    }
    if (op == "/")
    {
        return a / b;
    }
    if (op == "<<" || op == ">>")
    {
        const std::uint32_t x = static_cast<std::uint32_t>(toInt64(a));
        const unsigned n = static_cast<unsigned>(toInt64(b) & 31);
        return static_cast<float>(op == "<<" ? x << n : x >> n);
    }
    if (op == ">")
    {
        return a > b ? 1.0f : 0.0f;
    }
    if (op == ">=")
    {
        return a >= b ? 1.0f : 0.0f;
    }
    if (op == "<")
    {
        return a < b ? 1.0f : 0.0f;
    }
    if (op == "<=")
    {
        return a <= b ? 1.0f : 0.0f;
    }
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    if (g_fuzzUnknownOperator)
    {
        g_fuzzUnknownOperator(op);
        return 0.0f;
    }
#endif
    // The report names the function as it has always been documented; compilers spell their own
    // function names differently.
    Util::Debug::abortWith("float CFG::Calculator::doCalculation(float, const std::string&, float)", __FILE__,
                           144, "Unknown operator: " + op);
}
} // namespace CFG
