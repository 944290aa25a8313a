#pragma once

#include <memory>

#include "util/BasicHashLink.h"
#include "util/I_HashTable.h"
#include "util/NonCopyable.h"

namespace Util
{
// A chained hash table with a fixed number of buckets. Equal items may be stored more than once; the
// newest is found first. Chains are made of links taken from the item type's pool.
template <class T> class BasicHashTable : public I_HashTable<T>, private NonCopyable<BasicHashTable<T>>
{
public:
    using Pool = BasicHashLink<T>;
    using Link = typename Pool::Link;

    // A table needs at least one bucket: fewer would leave nothing to take the hash modulo.
    explicit BasicHashTable(long bucketCount)
        : numBuckets(bucketCount > 0 ? bucketCount : 1), buckets(new Link[numBuckets]()), numEntries(0)
    {
    }

    ~BasicHashTable() override { BasicHashTable::clearTable(false); }

    long entries() const override { return numEntries; }

    void clear() override { clearTable(false); }
    void clearAndDestroy() override { clearTable(true); }

    T* find(const T* key) const override
    {
        Link* before = Pool::instance().getLinkBefore(chainHead(key), key);
        return before->next != nullptr ? before->next->item : nullptr;
    }

    T* insert(T* item) override
    {
        Link* head = chainHead(item);
        Link* link = Pool::instance().getNewLink();
        link->item = item;
        link->next = head->next;
        head->next = link;
        ++numEntries;
        return item;
    }

    T* remove(T* key) override
    {
        Pool& pool = Pool::instance();
        Link* before = pool.getLinkBefore(chainHead(key), key);
        Link* found = before->next;
        if (found == nullptr)
            return nullptr;
        before->next = found->next;
        T* item = found->item;
        pool.deleteLink(found);
        --numEntries;
        return item;
    }

    // Hash values may use the full unsigned range, so the index is taken without a sign.
    virtual long itemBucket(const T* item) const
    {
        return static_cast<long>(item->hash() % static_cast<unsigned long>(numBuckets));
    }

    virtual Link* chainHead(const T* item) const { return &buckets[itemBucket(item)]; }

    virtual void clearTable(bool destroyItems)
    {
        Pool& pool = Pool::instance();
        for (long b = 0; b < numBuckets; ++b)
        {
            Link* link = buckets[b].next;
            buckets[b].next = nullptr;
            while (link != nullptr)
            {
                Link* following = link->next;
                if (destroyItems)
                    delete link->item;
                pool.deleteLink(link);
                --numEntries;
                link = following;
            }
        }
    }

private:
    const long numBuckets;
    std::unique_ptr<Link[]> buckets;
    long numEntries;
};
} // namespace Util
