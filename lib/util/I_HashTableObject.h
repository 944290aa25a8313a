#pragma once

namespace Util
{
// What a chained hash table holds: an object that computes its own hash value and equality.
class I_HashTableObject
{
public:
    virtual unsigned long hash() const = 0;
    virtual bool isEqual(const I_HashTableObject* other) const = 0;

protected:
    // Items are deleted as their own class (a table's clearAndDestroy), never through this interface.
    virtual ~I_HashTableObject() = default;
};
} // namespace Util
