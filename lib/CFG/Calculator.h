#pragma once

#include <string>

namespace CFG
{
// Evaluates the expression of a calculated configuration value to a float. There is no precedence:
// operators apply strictly from left to right and only parentheses group, so '1+2*3' is 9.
class Calculator
{
public:
    explicit Calculator(const std::string& expression);
    virtual ~Calculator() = default;

    // Evaluates up to the end of the text or a ")" closing the current level.
    float parse();
    // Reads (and consumes) the number at the front; the stream may read an exponent it does not consume.
    float getNumber();
    // The token at the front after blanks are dropped, or ""; not consumed.
    std::string nextToken();
    void skipToken(std::string token);
    std::string getNextToken();
    float doCalculation(float a, const std::string& op, float b);

protected:
    std::string rest;

private:
    float parseLevel(int depth);
};

#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
// Fuzz builds only: while set, an unknown operator is handed to this and reads 0 instead of ending the
// process, so that a fuzz target learns which inputs reach the fatal report without losing its run.
extern void (*g_fuzzUnknownOperator)(const std::string& op);
#endif
} // namespace CFG
