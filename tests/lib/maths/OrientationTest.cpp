#include "maths/Orientation.h"

#include <gtest/gtest.h>

using MathStuff::Matrix4x4;
using MathStuff::Orientation;
using MathStuff::Vector3;

namespace
{
void expectValues(const Matrix4x4<float>& m, const float (&expected)[16])
{
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(m.values[i], expected[i]) << "value " << i;
}

// Every value overwritten, so nothing left over from a previous use of the matrix survives.
Matrix4x4<float> dirtyMatrix()
{
    Matrix4x4<float> m;
    for (float& v : m.values)
        v = 99;
    return m;
}
} // namespace

TEST(OrientationTest, IdentityAxesGiveTranslationInTheLastColumn)
{
    const Orientation<float> o({1, 2, 3}, {0, 0, 1}, {0, 1, 0}, {1, 1, 1});
    Matrix4x4<float> m = dirtyMatrix();
    o.getTransformation(m);
    expectValues(m, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1});
}

TEST(OrientationTest, ScaleStretchesEachAxisColumn)
{
    const Orientation<float> o({0, 0, 0}, {0, 0, 1}, {0, 1, 0}, {2, 3, 4});
    Matrix4x4<float> m = dirtyMatrix();
    o.getTransformation(m);
    expectValues(m, {2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 4, 0, 0, 0, 0, 1});
}

TEST(OrientationTest, ColumnsAreSideUpDirectionPosition)
{
    // Facing +x with +y up: the side axis up x direction is -z. Column-major, so element (row r,
    // column c) is value 4c + r.
    const Orientation<float> o({5, 6, 7}, {1, 0, 0}, {0, 1, 0}, {2, 3, 4});
    Matrix4x4<float> m;
    o.getTransformation(m);
    expectValues(m, {0, 0, -2, 0, 0, 3, 0, 0, 4, 0, 0, 0, 5, 6, 7, 1});
}

TEST(OrientationTest, AxesAreUsedUnnormalised)
{
    const Orientation<float> o({0, 0, 0}, {0, 0, 2}, {0, 3, 0}, {1, 1, 1});
    Matrix4x4<float> m;
    o.getTransformation(m);
    expectValues(m, {6, 0, 0, 0, 0, 3, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1});
}
