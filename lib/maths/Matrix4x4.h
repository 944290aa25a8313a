#pragma once

namespace MathStuff
{
// A 4 by 4 matrix stored column-major, the order the graphics library takes it in:
// the element in row r and column c is values[4 * c + r].
template <class T> class Matrix4x4
{
public:
    Matrix4x4() : values{} {}
    Matrix4x4(const Matrix4x4&) = default;
    Matrix4x4& operator=(const Matrix4x4&) = default;
    virtual ~Matrix4x4() = default;

    T values[16];
};
} // namespace MathStuff
