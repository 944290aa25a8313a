#pragma once

namespace Util
{
// Deletes what it is applied to; used with std::for_each to empty vectors of owned pointers.
struct DeleteIt
{
    template <class P> void operator()(P* p) const { delete p; }
};
} // namespace Util
