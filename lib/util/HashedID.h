#pragma once

#include "util/IDHashTable.h"
#include "util/UniqueID.h"

namespace Util
{
// An identity that is recorded in the registry of live identities while its owner lives.
template <class T> class HashedID : public UniqueID<T>
{
public:
    HashedID() { enter(); }
    HashedID(const HashedID& other) : UniqueID<T>(other) { enter(); }
    HashedID& operator=(const HashedID&) { return *this; }

    virtual ~HashedID()
    {
        HashedItem<T> key(this->id);
        delete IDHashTable<T>::instance().remove(&key);
    }

private:
    void enter() { IDHashTable<T>::instance().insert(new HashedItem<T>(this->id)); }
};

extern template class HashedID<unsigned long>;
} // namespace Util
