#pragma once

#include <map>

#include "util/BasicStore.h"
#include "util/I_Iterator.h"

namespace Util
{
// Walks a basic store in key order. It refers to the store without owning it; entries other than the
// current one may come and go while it walks.
template <class K, class V> class BasicStoreIterator : protected I_Iterator<V>
{
public:
    explicit BasicStoreIterator(const BasicStore<K, V>* owner) : store(owner), pos(owner->storeMap.begin()) {}

    void first() override { pos = store->storeMap.begin(); }

    void next() override
    {
        if (pos != store->storeMap.end())
            ++pos;
    }

    bool isDone() const override { return pos == store->storeMap.end(); }

    V currentItem() const override { return isDone() ? store->nullValue : pos->second; }

    virtual ~BasicStoreIterator() = default;

    // Valid only while not done.
    virtual K currentKey() const { return pos->first; }
    virtual V curItemNoCheck() const { return pos->second; }

private:
    const BasicStore<K, V>* store;
    typename std::map<K, V>::const_iterator pos;
};
} // namespace Util
