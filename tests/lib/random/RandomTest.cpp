#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "random/RandSimple.h"
#include "random/RandUniversal.h"

namespace
{
std::vector<double> draw(RNG::I_Random& rng, int count)
{
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
    {
        values.push_back(rng.getFloat());
    }
    return values;
}

std::vector<double> universal(int ij, int kl, int skip, int count)
{
    RNG::RandUniversal rng;
    rng.initialise(ij, kl);
    draw(rng, skip);
    return draw(rng, count);
}

std::vector<double> universal(unsigned seed, int count)
{
    RNG::RandUniversal rng;
    rng.initialise(seed);
    return draw(rng, count);
}

std::vector<double> simple(unsigned seed, int skip, int count)
{
    RNG::RandSimple rng(seed);
    draw(rng, skip);
    return draw(rng, count);
}

std::vector<double> times(std::vector<double> values, double factor)
{
    for (double& v : values)
    {
        v *= factor;
    }
    return values;
}
} // namespace

TEST(RandomTest, GeneratorsGiveTheirPinnedCheckValues)
{
    struct Case
    {
        const char* what;
        std::vector<double> actual;
        std::vector<double> expected;
    };
    const Case cases[] = {
        {"universal 1802/9373 after 20000 draws, times 2^24",
         times(universal(1802, 9373, 20000, 6), 16777216.0),
         {6533892, 14220222, 7275067, 6172232, 8354498, 10633180}},
        {"universal one-word seed 1",
         universal(1u, 3),
         {0.19052815437316895, 0.3458430767059326, 0.9555903673171997}},
        {"simple seeded 32", simple(32, 0, 3), {0.3581459137416193, 0.7403834051174966, 0.5340701292893244}},
        // Each draw adds to the word, so starting from a word the stream reached continues the stream.
        {"simple from the word after one draw", simple(1538225018, 0, 1), {0.7403834051174966}},
        {"simple from the word after two draws", simple(423180232, 0, 1), {0.5340701292893244}},
        {"simple from the word after three draws", simple(2716993970u, 0, 4), simple(32, 3, 4)},
        // This word's noise is 0x7fffffff, the top of the range: the value is exactly 1.
        {"simple top of range", simple(230204178, 0, 1), {1.0}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.actual, c.expected);
    }
}

TEST(RandomTest, UniversalSeedingFormsAgree)
{
    RNG::RandUniversal unseeded;
    unsigned two[] = {100000, 200000};
    unsigned three[] = {5, 7, 0x80000001u};
    unsigned one[] = {1};
    unsigned oneForZeroCount[] = {77};

    // Folding three words: word 2 rotated left by 2 goes into word 0, then word 2 into words 0 and 1.
    const unsigned folded0 = (5u ^ 0x00000006u) ^ 0x80000001u;
    const unsigned folded1 = 7u ^ 0x80000001u;

    struct Case
    {
        const char* what;
        unsigned* words;
        int count;
        std::vector<double> expected;
    };
    const Case cases[] = {
        {"one word acts as the one-word seed", one, 1, universal(1u, 5)},
        {"two words are reduced directly", two, 2, universal(100000 % 31329, 200000 % 30082, 0, 5)},
        {"three words fold into two", three, 3, universal(folded0 % 31329, folded1 % 30082, 0, 5)},
        {"no words seed as 0", oneForZeroCount, 0, universal(0u, 5)},
        {"a null list seeds as 0", nullptr, 3, universal(0u, 5)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        RNG::RandUniversal rng;
        draw(rng, 10); // seeding restarts whatever came before
        rng.initialise(c.words, c.count);
        EXPECT_EQ(draw(rng, 5), c.expected);
    }
    EXPECT_EQ(three[0], folded0) << "the caller's words keep the folded values";
    EXPECT_EQ(three[1], folded1);
    EXPECT_EQ(oneForZeroCount[0], 77u);

    EXPECT_EQ(universal(1u, 5), universal(1, 1, 0, 5));
    const unsigned big = 0xDEADBEEFu;
    EXPECT_EQ(universal(big, 5), universal(big % 31329, (big ^ (big >> 13)) % 31329, 0, 5));
    EXPECT_EQ(draw(unseeded, 5), universal(0u, 5)) << "an unseeded generator runs the stream of seed 0";
}

TEST(RandomTest, SimpleSeedingFromAListUsesTheFirstWord)
{
    unsigned words[] = {32, 99};
    struct Case
    {
        const char* what;
        unsigned* words;
        int count;
        unsigned seed;
    };
    const Case cases[] = {
        {"first word", words, 2, 32},
        {"count is not used beyond the first word", words, 1, 32},
        {"no words seed as 0", words, 0, 0},
        {"a null list seeds as 0", nullptr, 1, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        RNG::RandSimple rng(12345);
        rng.initialise(c.words, c.count);
        EXPECT_EQ(draw(rng, 4), simple(c.seed, 0, 4));
    }
}

TEST(RandomTest, ValuesStayInRangeAndReseedingRestarts)
{
    RNG::RandUniversal universalRng;
    universalRng.initialise(4242u);
    RNG::RandSimple simpleRng(4242);
    for (int i = 0; i < 100000; ++i)
    {
        const double u = universalRng.getFloat();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        ASSERT_EQ(u * 16777216.0, static_cast<double>(static_cast<std::int64_t>(u * 16777216.0)))
            << "a multiple of 2^-24";
        const double s = simpleRng.getFloat();
        ASSERT_GE(s, 0.0);
        ASSERT_LE(s, 1.0);
    }
    const std::vector<double> first = universal(31328u * 3u + 17u, 50);
    EXPECT_EQ(first, universal(31328u * 3u + 17u, 50));
    EXPECT_NE(first, universal(31328u * 3u + 18u, 50));
}
