#pragma once

namespace Util
{
// A process-unique identity, 1, 2, 3, ... in order of construction and never reused. A copy is a new
// object and so gets an identity of its own; assignment leaves the identity alone.
template <class T> class UniqueID
{
public:
    UniqueID() : id(nextID()) {}
    UniqueID(const UniqueID&) : id(nextID()) {}
    UniqueID& operator=(const UniqueID&) { return *this; }

    // The counter is as wide as the identity itself, so it cannot wrap round to an identity in use.
    static T nextID()
    {
        static T l_prevID = 0;
        return ++l_prevID;
    }

    const T id;
};
} // namespace Util
