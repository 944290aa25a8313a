#pragma once

#include "util/I_HashTableObject.h"

namespace Util
{
// A hash table item that is nothing but a value; its hash is the value itself.
template <class T> class HashedItem : public I_HashTableObject
{
public:
    explicit HashedItem(const T& value) : id(value) {}

    unsigned long hash() const override { return static_cast<unsigned long>(id); }

    // Items of another kind are simply not equal, so a mixed-up table cannot read a foreign object.
    bool isEqual(const I_HashTableObject* other) const override
    {
        const HashedItem* item = dynamic_cast<const HashedItem*>(other);
        return item != nullptr && item->id == id;
    }

    T id;
};
} // namespace Util
