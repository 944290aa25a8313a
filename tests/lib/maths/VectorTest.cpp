#include "maths/Vector3.h"

#include <cmath>
#include <type_traits>

#include <gtest/gtest.h>

using MathStuff::Vector3;

namespace
{
// Vertex data is handed to the graphics library as packed floats.
static_assert(sizeof(Vector3<float>) == 3 * sizeof(float), "Vector3<float> must be three packed floats");
static_assert(!std::is_polymorphic<Vector3<float>>::value, "Vector3 must have no virtual table");

void expectVector(const Vector3<float>& actual, float x, float y, float z)
{
    EXPECT_FLOAT_EQ(actual.x, x);
    EXPECT_FLOAT_EQ(actual.y, y);
    EXPECT_FLOAT_EQ(actual.z, z);
}
} // namespace

TEST(Vector3Test, BuiltZeroFilledOrFromThreeValues)
{
    expectVector(Vector3<float>(), 0, 0, 0);
    expectVector(Vector3<float>(1.5f, -2, 3), 1.5f, -2, 3);
}

TEST(Vector3Test, CrossProductIsRightHanded)
{
    struct Case
    {
        Vector3<float> a, b, expected;
    };
    const Case cases[] = {
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
        {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}},
        {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
        {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}},
        // Every component of the formula in play, and parallel vectors giving zero.
        {{1, 2, 3}, {4, 5, 6}, {-3, 6, -3}},
        {{2, 4, 6}, {1, 2, 3}, {0, 0, 0}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "(" << c.a.x << "," << c.a.y << "," << c.a.z << ") x (" << c.b.x
                                        << "," << c.b.y << "," << c.b.z << ")");
        expectVector(MathStuff::crossProduct(c.a, c.b), c.expected.x, c.expected.y, c.expected.z);
    }
}

TEST(Vector3Test, UnaryMinusFlipsEverySign)
{
    const Vector3<float> negated = -Vector3<float>(1, -2, 0);
    expectVector(negated, -1, 2, 0);
    // Zero becomes negative zero: the sign is flipped, not the value subtracted from zero.
    EXPECT_TRUE(std::signbit(negated.z));
    EXPECT_FALSE(std::signbit((-negated).z));

    const Vector3<int> ints = -Vector3<int>(3, 0, -7);
    EXPECT_EQ(ints.x, -3);
    EXPECT_EQ(ints.y, 0);
    EXPECT_EQ(ints.z, 7);
}
