#pragma once

#include <limits>
#include <type_traits>

namespace Util
{
template <class T> inline T PERCENT_OF(const T& a, const T& b)
{
    // Computed in floating point so that large int operands cannot overflow; truncates toward zero.
    double result = static_cast<double>(a) * static_cast<double>(b) / 100.0;
    if (std::is_integral<T>::value)
    {
        // A result beyond the type would make the conversion undefined: saturate instead.
        if (result >= static_cast<double>(std::numeric_limits<T>::max()))
            return std::numeric_limits<T>::max();
        if (result <= static_cast<double>(std::numeric_limits<T>::lowest()))
            return std::numeric_limits<T>::lowest();
    }
    return static_cast<T>(result);
}

template <> inline float PERCENT_OF<float>(const float& a, const float& b)
{
    return b * a / 100.0f;
}

template <class T> inline T ABS(const T& v)
{
    // The most negative integer has no positive counterpart; negating it is undefined, so it saturates.
    if (std::is_integral<T>::value && std::is_signed<T>::value && v == std::numeric_limits<T>::lowest())
        return std::numeric_limits<T>::max();
    return v >= 0 ? v : -v;
}

template <class T> inline T MIN(const T& a, const T& b)
{
    return a < b ? a : b;
}

template <class T> inline T MAX(const T& a, const T& b)
{
    return b < a ? a : b;
}

template <class T> inline T CLAMP(const T& v, const T& lo, const T& hi)
{
    if (lo > v)
        return lo;
    if (v > hi)
        return hi;
    return v;
}

// Applied after an increment: past hi wraps to lo.
template <class T> inline T WRAP_INC(const T& v, const T& lo, const T& hi)
{
    return v > hi ? lo : v;
}

// Applied after a decrement: below lo wraps to hi.
template <class T> inline T WRAP_DEC(const T& v, const T& lo, const T& hi)
{
    return v < lo ? hi : v;
}
} // namespace Util
