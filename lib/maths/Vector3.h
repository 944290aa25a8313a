#pragma once

namespace MathStuff
{
// Three coordinates; a plain value with no virtual functions, so arrays of it can be handed on as
// packed numbers. Texture coordinates use x and y as u and v.
template <class T> class Vector3
{
public:
    Vector3() : x(T(0)), y(T(0)), z(T(0)) {}
    Vector3(T xIn, T yIn, T zIn) : x(xIn), y(yIn), z(zIn) {}

    T x;
    T y;
    T z;
};

// Right-handed cross product a x b.
template <class T> Vector3<T> crossProduct(const Vector3<T>& a, const Vector3<T>& b)
{
    return Vector3<T>(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

// Flips the sign of every component, so a zero component becomes a negative zero for floats.
template <class T> Vector3<T> operator-(const Vector3<T>& v)
{
    return Vector3<T>(-v.x, -v.y, -v.z);
}
} // namespace MathStuff
