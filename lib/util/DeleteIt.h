#pragma once

#include <type_traits>

namespace Util
{
// Deletes what it is applied to; used with std::for_each to empty vectors of owned pointers.
// DeleteIt<T*> takes exactly that pointer type; DeleteIt<> (or DeleteIt()) takes any.
template <class P = void> struct DeleteIt
{
    static_assert(std::is_pointer<P>::value, "DeleteIt is made over a pointer type");
    void operator()(P p) const { delete p; }
};

template <> struct DeleteIt<void>
{
    template <class T> void operator()(T* p) const { delete p; }
};
} // namespace Util
