#pragma once

namespace Util
{
// Base that takes copying away from a class; the type parameter keeps bases of unrelated classes distinct.
template <class T> class NonCopyable
{
protected:
    NonCopyable() = default;
    ~NonCopyable() = default;

public:
    NonCopyable(const NonCopyable&) = delete;
    NonCopyable& operator=(const NonCopyable&) = delete;
};
} // namespace Util
