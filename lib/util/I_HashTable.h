#pragma once

namespace Util
{
// A table of items that compute their own hash value and equality. It does not own its items,
// except that clearAndDestroy deletes them.
template <class T> class I_HashTable
{
public:
    virtual ~I_HashTable() = default;

    virtual long entries() const = 0;
    virtual void clear() = 0;
    virtual void clearAndDestroy() = 0;
    // The first stored item equal to key, or null.
    virtual T* find(const T* key) const = 0;
    virtual T* insert(T* item) = 0;
    // Unlinks and answers the first stored item equal to key (not deleted), or null.
    virtual T* remove(T* key) = 0;
};
} // namespace Util
