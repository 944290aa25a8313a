#pragma once

#include <map>
#include <memory>

namespace Util
{
template <class K, class V> class BasicStoreIterator;

// Values under ordered keys. Every lookup that misses answers a copy of the store's null value. The store
// deletes nothing that a value may point to.
template <class K, class V> class BasicStore
{
public:
    using Iterator = BasicStoreIterator<K, V>;
    // The caller owns the iterator; the handle deletes it.
    using IteratorHandle = std::unique_ptr<Iterator>;

    explicit BasicStore(const V& nullVal) : nullValue(nullVal) {}
    virtual ~BasicStore() = default;

    virtual V find(const K& key) const
    {
        typename std::map<K, V>::const_iterator pos = storeMap.find(key);
        return pos != storeMap.end() ? pos->second : nullValue;
    }

    // Stores value under key, replacing what was stored there; deletes nothing the old value may point to.
    virtual void add(const K& key, const V& value) { storeMap[key] = value; }

    virtual V remove(const K& key)
    {
        typename std::map<K, V>::iterator pos = storeMap.find(key);
        if (pos == storeMap.end())
            return nullValue;
        V value = pos->second;
        storeMap.erase(pos);
        return value;
    }

    virtual void clear() { storeMap.clear(); }

    virtual IteratorHandle getIterator() const { return IteratorHandle(new Iterator(this)); }

protected:
    friend class BasicStoreIterator<K, V>;

    std::map<K, V> storeMap;
    V nullValue;
};
} // namespace Util

#include "util/BasicStoreIterator.h"
