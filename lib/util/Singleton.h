#pragma once

#include "util/NonCopyable.h"

namespace Util
{
// The one object of T in the process, built on first use and destroyed at normal exit in the
// reverse order of construction. There is one thread, so the first use takes no lock.
template <class T> class Singleton : private NonCopyable<T>
{
public:
    static T& instance()
    {
        static T l_instance;
        return l_instance;
    }

protected:
    Singleton() = default;
    ~Singleton() = default;
};
} // namespace Util
